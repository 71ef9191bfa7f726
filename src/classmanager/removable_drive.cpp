#include "classmanager/removable_drive.h"

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

} // namespace

std::optional<std::filesystem::path>
first_mounted_medium(std::istream& mount_table,
                     const std::vector<std::filesystem::path>& media_folders) {
    std::string line;
    while (std::getline(mount_table, line)) {
        std::istringstream fields{line};
        std::string device;
        std::string mount_point;
        if (!(fields >> device >> mount_point)) {
            continue;
        }
        const std::filesystem::path medium{unescaped(mount_point)};
        const bool in_media_folder = std::ranges::any_of(
            media_folders, [&](const auto& folder) { return medium.parent_path() == folder; });
        if (in_media_folder && is_folder(medium)) {
            return medium;
        }
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> backup_drive() {
    if (const char* chosen = std::getenv("QUILLMARK_BACKUP_DIR");
        chosen != nullptr && *chosen != '\0') {
        if (!is_folder(chosen)) {
            return std::nullopt;
        }
        return std::filesystem::path{chosen};
    }
    const std::string user = user_name();
    if (user.empty()) {
        return std::nullopt;
    }
    std::ifstream mount_table{"/proc/self/mounts"};
    return first_mounted_medium(mount_table, {std::filesystem::path{"/media"} / user,
                                              std::filesystem::path{"/run/media"} / user});
}

} // namespace quillmark
