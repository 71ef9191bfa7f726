#include "classdata/atomic_file.h"

#include "classdata/text_encoding.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmark {
namespace {

Result failure(const std::filesystem::path& path, int error) {
    return Result::failure("Could not save \"" + utf8_to_cp1252(path.filename().string()) +
                           "\": " + std::strerror(error) + ".");
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

Result write_file_atomically(const std::filesystem::path& path, std::string_view bytes,
                             FileAccess access) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    // Renaming over a file succeeds whatever its permissions; a read-only file is respected.
    if (exists && S_ISREG(existing.st_mode) &&
        ((existing.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0)) {
        return Result::failure("Could not save \"" + utf8_to_cp1252(path.filename().string()) +
                               "\": the file is read-only.");
    }

    // A fixed-length hidden name fits wherever the file's own name fits, and the leading dot
    // and the ".tmp" ending keep it out of the class list.
    std::string name = (path.parent_path() / ".quillmark-XXXXXX.tmp").string();
    const int descriptor = ::mkstemps(name.data(), 4);
    if (descriptor < 0) {
        return failure(path, errno);
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
        return failure(path, error);
    }
    return Result::success();
}

} // namespace quillmark
