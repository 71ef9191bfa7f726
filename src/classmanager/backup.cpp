#include "classmanager/backup.h"

#include "classdata/program_folder.h"
#include "classdata/text_encoding.h"
#include "grading/categories_file.h"
#include "seating/chart_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmark {
namespace {

// Closes a descriptor however the copy ends.
class Descriptor {
public:
    explicit Descriptor(int descriptor)
        : descriptor_{descriptor} {}
    ~Descriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return descriptor_; }
    // Closes now, for the error a close can report.
    int close() {
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result;
    }

private:
    int descriptor_;
};

bool is_plain_name(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view{"/\0", 2}) == std::string_view::npos;
}

bool write_all(int descriptor, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(descriptor, bytes, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Copies through a hidden temporary file beside the destination, flushed and then renamed over
// it, so a failure leaves the old file whole. Returns why the copy failed, or the empty text.
std::string copy_whole(const std::filesystem::path& from, const std::filesystem::path& to) {
    struct stat existing {};
    if (::stat(to.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        ((existing.st_mode & S_IWUSR) == 0 || ::access(to.c_str(), W_OK) != 0)) {
        return "the file is read-only";
    }
    Descriptor source{::open(from.c_str(), O_RDONLY | O_CLOEXEC)};
    if (source.get() < 0) {
        return std::strerror(errno);
    }
    // A leading dot and the ".tmp" ending keep the temporary file out of the class list.
    std::string temporary = (to.parent_path() / ".quillmark-XXXXXX.tmp").string();
    Descriptor copy{::mkstemps(temporary.data(), 4)};
    if (copy.get() < 0) {
        return std::strerror(errno);
    }
    // Best effort: a FAT stick refuses most permission changes and has none to keep.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    [[maybe_unused]] const int ignored =
        ::fchmod(copy.get(), S_ISREG(existing.st_mode) ? existing.st_mode & 07777 : 0666 & ~mask);

    int error = 0;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(source.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0 ||
            (count > 0 && !write_all(copy.get(), buffer, static_cast<std::size_t>(count)))) {
            error = errno;
            break;
        }
        if (count == 0) {
            break;
        }
    }
    if (error == 0 && ::fsync(copy.get()) != 0) {
        error = errno;
    }
    if (copy.close() != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), to.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return std::strerror(error);
    }
    return {};
}

Result copy_classes(const std::vector<std::string>& file_names, const std::filesystem::path& from,
                    const std::filesystem::path& to, std::string_view stopped) {
    const auto copy = [&](const std::string& name) -> Result {
        const std::string reason =
            is_plain_name(name) ? copy_whole(from / cp1252_to_utf8(name), to / cp1252_to_utf8(name))
                                : "the name is no plain file name";
        if (reason.empty()) {
            return Result::success();
        }
        return Result::failure(std::string{stopped} + " stopped: could not copy \"" + name +
                               "\": " + reason + ".");
    };
    for (const std::string& name : file_names) {
        if (Result copied = copy(name); !copied) {
            return copied;
        }
        for (const std::string& companion : {chart_file_name(name), categories_file_name(name)}) {
            std::error_code error;
            if (std::filesystem::is_regular_file(from / cp1252_to_utf8(companion), error)) {
                if (Result copied = copy(companion); !copied) {
                    return copied;
                }
            }
        }
    }
    return Result::success();
}

} // namespace

Result backup_classes(const std::vector<std::string>& file_names,
                      const std::filesystem::path& drive) {
    return copy_classes(file_names, program_folder(), drive, "Backup");
}

Result restore_classes(const std::vector<std::string>& file_names,
                       const std::filesystem::path& drive) {
    return copy_classes(file_names, drive, program_folder(), "Restore");
}

} // namespace quillmark
