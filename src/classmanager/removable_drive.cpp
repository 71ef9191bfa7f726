#include "classmanager/removable_drive.h"

#include "classdata/name_in_message.h"
#include "classdata/text_encoding.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace quillmark {
namespace {

// The mount table writes blanks and backslashes in a path as three octal digits ("\040").
std::string unescaped(std::string_view field) {
    const auto is_octal = [](char c) { return c >= '0' && c <= '7'; };
    std::string path;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() &&
            std::ranges::all_of(field.substr(i + 1, 3), is_octal)) {
            path += static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                                      (field[i + 3] - '0'));
            i += 3;
        } else {
            path += field[i];
        }
    }
    return path;
}

std::string user_name() {
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr) {
        return entry->pw_name;
    }
    const char* name = std::getenv("USER");
    return name != nullptr ? name : "";
}

bool is_folder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

// Whether the path is the folder or lies inside it, links followed.
bool is_within(const std::filesystem::path& path, const std::filesystem::path& folder) {
    std::error_code path_error;
    std::error_code folder_error;
    const std::filesystem::path inner = std::filesystem::weakly_canonical(path, path_error);
    const std::filesystem::path outer = std::filesystem::weakly_canonical(folder, folder_error);
    if (path_error || folder_error) {
        return false;
    }
    const std::filesystem::path relative = inner.lexically_relative(outer);
    return !relative.empty() && *relative.begin() != "..";
}

const std::string no_disk =
    "No removable disk was found. Insert a USB stick or a floppy disk and try again.";
const std::string holds_the_classes =
    "The backup disk holds the classes themselves, so a backup there would copy nothing. Insert "
    "another removable disk.";

} // namespace

std::vector<std::filesystem::path>
mounted_media(std::istream& mount_table, const std::vector<std::filesystem::path>& media_folders) {
    std::vector<std::filesystem::path> media;
    std::string line;
    while (std::getline(mount_table, line)) {
        std::istringstream fields{line};
        std::string device;
        std::string mount_point;
        if (!(fields >> device >> mount_point)) {
            continue;
        }
        std::filesystem::path medium{unescaped(mount_point)};
        const bool in_media_folder = std::ranges::any_of(
            media_folders, [&](const auto& folder) { return medium.parent_path() == folder; });
        if (in_media_folder && is_folder(medium)) {
            media.push_back(std::move(medium));
        }
    }
    return media;
}

BackupDrive backup_drive(const std::filesystem::path& classes_folder) {
    if (const char* chosen = std::getenv("QUILLMARK_BACKUP_DIR");
        chosen != nullptr && *chosen != '\0') {
        if (!is_folder(chosen)) {
            return {{},
                    "The backup folder \"" + name_in_message(utf8_to_cp1252(chosen)) +
                        "\" named by QUILLMARK_BACKUP_DIR does not exist."};
        }
        if (is_within(chosen, classes_folder)) {
            return {{}, holds_the_classes};
        }
        return {chosen, {}};
    }
    const std::string user = user_name();
    if (user.empty()) {
        return {{}, no_disk};
    }
    std::ifstream mount_table{"/proc/self/mounts"};
    return first_medium_apart_from(
        mounted_media(mount_table, {std::filesystem::path{"/media"} / user,
                                    std::filesystem::path{"/run/media"} / user}),
        classes_folder);
}

BackupDrive first_medium_apart_from(const std::vector<std::filesystem::path>& media,
                                    const std::filesystem::path& classes_folder) {
    if (media.empty()) {
        return {{}, no_disk};
    }
    for (const std::filesystem::path& medium : media) {
        if (!is_within(classes_folder, medium)) {
            return {medium, {}};
        }
    }
    return {{}, holds_the_classes};
}

} // namespace quillmark
