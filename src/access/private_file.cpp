#include "access/private_file.h"

#include "classdata/name_in_message.h"
#include "classdata/system_reason.h"
#include "classdata/text_encoding.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace quillmark {
namespace {

Result failure(std::string_view action, const std::filesystem::path& path,
               const std::string& reason) {
    return Result::failure("Could not " + std::string{action} + " \"" +
                           name_in_message(utf8_to_cp1252(path.filename().string())) +
                           "\": " + reason + ".");
}

} // namespace

Result append_to_private_file(const std::filesystem::path& path, std::string_view bytes) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        return failure("write", path, system_reason(errno));
    }
    int error = 0;
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            break;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        return failure("write", path, system_reason(error));
    }
    return Result::success();
}

std::optional<std::string> read_private_file(const std::filesystem::path& path, std::size_t limit) {
    // Plain reads: a stream would throw on a name that is a folder.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    while (bytes.size() < limit) {
        const ssize_t count =
            ::read(descriptor, buffer, std::min(sizeof buffer, limit - bytes.size()));
        if (count == 0) {
            break;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            ::close(descriptor);
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(descriptor);
    return bytes;
}

Result delete_private_file(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error) {
        return failure("delete", path, system_reason(error));
    }
    return Result::success();
}

} // namespace quillmark
