#include "classdata/atomic_file.h"

#include "classdata/name_in_message.h"
#include "classdata/text_encoding.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmark {
namespace {

// mkstemps replaces the six X by letters and digits.
constexpr std::string_view temporary_prefix = ".quillmark-";
constexpr std::string_view temporary_suffix = ".tmp";
constexpr std::size_t temporary_random_length = 6;
constexpr auto stale_after = std::chrono::minutes{1};

bool is_temporary_name(std::string_view name) {
    if (name.size() !=
            temporary_prefix.size() + temporary_random_length + temporary_suffix.size() ||
        !name.starts_with(temporary_prefix) || !name.ends_with(temporary_suffix)) {
        return false;
    }
    const std::string_view random = name.substr(temporary_prefix.size(), temporary_random_length);
    return std::all_of(random.begin(), random.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

// A renamed file is only sure to keep its new name once its folder is on the disk too.
int sync_folder(const std::filesystem::path& folder) {
    const int descriptor =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return errno;
    }
    int error = 0;
    // Some file systems cannot flush a folder and say so with EINVAL; they have nothing to lose.
    if (::fsync(descriptor) != 0 && errno != EINVAL) {
        error = errno;
    }
    ::close(descriptor);
    return error;
}

bool write_all(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The permissions the new contents get: an existing file keeps its own, a new one follows the
// umask; owner-only files are private whatever they had.
mode_t permissions_for(const struct stat* existing, FileAccess access) {
    if (access == FileAccess::owner_only) {
        return 0600;
    }
    if (existing != nullptr) {
        return existing->st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<std::string> replace_file_atomically(const std::filesystem::path& path,
                                                   std::string_view bytes, FileAccess access) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    // Renaming over a file succeeds whatever its permissions; a read-only file is respected.
    if (exists && S_ISREG(existing.st_mode) &&
        ((existing.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0)) {
        return "the file is read-only";
    }

    // A fixed-length hidden name fits wherever the file's own name fits, and the leading dot
    // and the ".tmp" ending keep it out of the class list.
    std::string name = (path.parent_path() /
                        (std::string{temporary_prefix} + std::string(temporary_random_length, 'X') +
                         std::string{temporary_suffix}))
                           .string();
    const int descriptor = ::mkstemps(name.data(), 4);
    if (descriptor < 0) {
        return std::strerror(errno);
    }
    int error = 0;
    if (::fchmod(descriptor, permissions_for(exists ? &existing : nullptr, access)) != 0 ||
        !write_all(descriptor, bytes) || ::fsync(descriptor) != 0) {
        error = errno;
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(name.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(name.c_str());
        return std::strerror(error);
    }
    if (const int sync_error = sync_folder(path.parent_path()); sync_error != 0) {
        return std::strerror(sync_error);
    }
    return std::nullopt;
}

Result write_file_atomically(const std::filesystem::path& path, std::string_view bytes,
                             FileAccess access, std::string_view what) {
    const std::optional<std::string> reason = replace_file_atomically(path, bytes, access);
    if (!reason) {
        return Result::success();
    }
    std::string message = "Could not save ";
    if (!what.empty()) {
        message.append(what).append(" ");
    }
    return Result::failure(message + "\"" +
                           name_in_message(utf8_to_cp1252(path.filename().string())) +
                           "\": " + *reason + ".");
}

void remove_stale_temporary_files(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::directory_iterator entries{folder, error};
    if (error) {
        return;
    }
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const std::filesystem::directory_entry& entry : entries) {
        // Neither a folder nor a link of that name is one of ours, whatever it points to.
        if (!is_temporary_name(entry.path().filename().string()) || !entry.is_regular_file(error) ||
            entry.is_symlink(error)) {
            continue;
        }
        const auto changed = entry.last_write_time(error);
        if (!error && now - changed > stale_after) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

} // namespace quillmark
