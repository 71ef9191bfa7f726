#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <vector>

// Where backups go and restores come from: the folder that stands for a floppy drive A:.
namespace quillmark {

// The drive's folder, or the message (Windows-1252) that says why there is none.
struct BackupDrive {
    std::filesystem::path folder; // empty when there is none
    std::string refusal;

    explicit operator bool() const { return !folder.empty(); }
};

// The folder named by QUILLMARK_BACKUP_DIR when that is set (a network folder, a test's
// folder), otherwise the first removable medium mounted under /media/<user> or
// /run/media/<user> that does not hold the classes folder. Refused when the named folder does
// not exist, when no medium is mounted, and when the only media hold the classes folder or the
// named folder is the classes folder or lies inside it: a backup there would copy nothing.
BackupDrive backup_drive(const std::filesystem::path& classes_folder);

// The mount points of a mount table (in the form of /proc/self/mounts) that lie directly in
// one of the media folders and are folders, in the table's order.
std::vector<std::filesystem::path>
mounted_media(std::istream& mount_table, const std::vector<std::filesystem::path>& media_folders);

// The first of the media that does not hold the classes folder; refused when there are no media
// ("No removable disk was found...") or all hold it.
BackupDrive first_medium_apart_from(const std::vector<std::filesystem::path>& media,
                                    const std::filesystem::path& classes_folder);

} // namespace quillmark
