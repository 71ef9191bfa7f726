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

} // namespace

Result write_file_atomically(const std::filesystem::path& path, std::string_view bytes,
                             FileAccess access) {
    // A leading dot and a ".tmp" ending keep the file out of the class list.
    std::string hidden_name{"."};
    hidden_name.append(path.filename().string()).append(".XXXXXX.tmp");
    std::string name = (path.parent_path() / hidden_name).string();
    const int descriptor = ::mkstemps(name.data(), 4);
    if (descriptor < 0) {
        return failure(path, errno);
    }
    const mode_t mode = access == FileAccess::owner_only ? 0600 : 0644;
    int error = 0;
    if (::fchmod(descriptor, mode) != 0 || !write_all(descriptor, bytes) ||
        ::fsync(descriptor) != 0) {
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
