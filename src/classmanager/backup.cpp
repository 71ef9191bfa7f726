#include "classmanager/backup.h"

#include "classdata/atomic_file.h"
#include "classdata/name_in_message.h"
#include "classdata/program_folder.h"
#include "classdata/system_reason.h"
#include "classdata/text_encoding.h"
#include "classmanager/class_files.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace quillmark {
namespace {

bool is_plain_name(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view{"/\0", 2}) == std::string_view::npos;
}

// The whole file, or the system's error number.
int read_whole(const std::filesystem::path& path, std::string& bytes) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return errno;
    }
    int error = 0;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            error = count < 0 ? errno : 0;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(descriptor);
    return error;
}

// Replaces the destination as a save does, so a failure leaves the old file whole. Returns why
// the copy failed, or nothing.
std::optional<std::string> copy_whole(const std::filesystem::path& from,
                                      const std::filesystem::path& to) {
    std::string bytes;
    if (const int error = read_whole(from, bytes); error != 0) {
        return system_reason(error);
    }
    return replace_file(to, bytes);
}

Result copy_classes(const std::vector<std::string>& file_names, const std::filesystem::path& from,
                    const std::filesystem::path& to, std::string_view stopped) {
    const auto copy = [&](const std::string& name) -> Result {
        const std::optional<std::string> reason =
            is_plain_name(name) ? copy_whole(from / cp1252_to_utf8(name), to / cp1252_to_utf8(name))
                                : "the name is no plain file name";
        if (!reason) {
            return Result::success();
        }
        return Result::failure(std::string{stopped} + " stopped: could not copy \"" +
                               name_in_message(name) + "\": " + *reason + ".");
    };
    for (const std::string& name : file_names) {
        if (Result copied = copy(name); !copied) {
            return copied;
        }
        for (const Companion& companion : companions) {
            const std::string companion_name = companion.file_name(name);
            std::error_code error;
            if (std::filesystem::is_regular_file(from / cp1252_to_utf8(companion_name), error)) {
                if (Result copied = copy(companion_name); !copied) {
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
