#include "classdata/disk_calls.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace quillmark {
namespace {

DiskCalls system_calls;
DiskCalls* chosen_calls = nullptr;

} // namespace

int DiskCalls::write(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int DiskCalls::flush_file(int descriptor) {
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

int DiskCalls::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int DiskCalls::flush_folder(const std::filesystem::path& folder) {
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

DiskCalls& disk_calls() {
    return chosen_calls != nullptr ? *chosen_calls : system_calls;
}

DiskCalls* set_disk_calls(DiskCalls* calls) {
    DiskCalls* const previous = chosen_calls;
    chosen_calls = calls;
    return previous;
}

} // namespace quillmark
