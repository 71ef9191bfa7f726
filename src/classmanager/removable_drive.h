#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <vector>

// Where backups go and restores come from: the folder that stands for a floppy drive A:.
namespace quillmark {

// The folder named by QUILLMARK_BACKUP_DIR when that is set (a network folder, a test's
// folder), otherwise the first removable medium mounted under /media/<user> or
// /run/media/<user>. Nothing when the named folder does not exist or no medium is mounted.
std::optional<std::filesystem::path> backup_drive();

// The first mount point of a mount table (in the form of /proc/self/mounts) that lies directly
// in one of the media folders and is a folder; nothing when none does.
std::optional<std::filesystem::path>
first_mounted_medium(std::istream& mount_table,
                     const std::vector<std::filesystem::path>& media_folders);

} // namespace quillmark
