#include "classdata/program_folder.h"

#include "classdata/system_reason.h"
#include "classdata/text_encoding.h"

#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace quillmark {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path>& chosen_folder() {
    static std::optional<fs::path> folder;
    return folder;
}

Result refused(const fs::path& folder, const std::string& reason) {
    return Result::failure("Quillmark cannot keep its classes in the folder \"" +
                           utf8_to_cp1252(folder.string()) + "\": " + reason + ".");
}

std::string reason_of(const std::error_code& error) {
    return system_reason(error);
}

// The absolute folder and those of its parents that do not exist yet, innermost first; or the
// reason it cannot become a folder.
std::optional<std::string> find_missing(const fs::path& folder, std::vector<fs::path>& missing) {
    for (fs::path at = folder;; at = at.parent_path()) {
        std::error_code error;
        const fs::file_status status = fs::status(at, error);
        if (status.type() == fs::file_type::directory) {
            return std::nullopt;
        }
        if (status.type() == fs::file_type::not_found) {
            missing.push_back(at);
        } else if (error) {
            return reason_of(error);
        } else if (at == folder) {
            return "it is not a folder";
        } else {
            return "\"" + utf8_to_cp1252(at.string()) + "\" is not a folder";
        }
        if (at == at.root_path()) {
            return "the root folder is missing";
        }
    }
}

void remove_created(const std::vector<fs::path>& created) {
    for (const fs::path& folder : created) {
        std::error_code ignored;
        fs::remove(folder, ignored);
    }
}

// Creating a file is the only sure test: a folder's permissions do not tell for the root user,
// on read-only media or under access control lists.
std::optional<std::error_code> write_test(const fs::path& folder) {
    std::string name = (folder / ".quillmark-write-test-XXXXXX").string();
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) {
        return std::error_code{errno, std::generic_category()};
    }
    ::close(descriptor);
    ::unlink(name.c_str());
    return std::nullopt;
}

} // namespace

const fs::path& program_folder() {
    auto& folder = chosen_folder();
    if (!folder) {
        folder = default_program_folder();
    }
    return *folder;
}

void set_program_folder(fs::path folder) {
    chosen_folder() = std::move(folder);
}

fs::path in_program_folder(std::string_view name) {
    return program_folder() / fs::path{cp1252_to_utf8(name)};
}

fs::path default_program_folder(const char* xdg_data_home, const char* home) {
    // Relative values are invalid in the XDG base directory rules.
    if (xdg_data_home != nullptr && fs::path{xdg_data_home}.is_absolute()) {
        return fs::path{xdg_data_home} / "Quillmark";
    }
    if (home != nullptr && *home != '\0') {
        return fs::path{home} / ".local" / "share" / "Quillmark";
    }
    return {};
}

fs::path default_program_folder() {
    const char* home = std::getenv("HOME");
    if (home == nullptr) {
        const passwd* user = ::getpwuid(::getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    return default_program_folder(std::getenv("XDG_DATA_HOME"), home);
}

Result open_program_folder(const fs::path& folder) {
    if (folder.empty()) {
        return Result::failure("Quillmark cannot find your home folder to keep its classes in. "
                               "Start it with --folder and the folder to use.");
    }
    std::error_code error;
    fs::path absolute = fs::absolute(folder, error).lexically_normal();
    if (error) {
        return refused(folder, reason_of(error));
    }
    if (!absolute.has_filename() && absolute != absolute.root_path()) {
        absolute = absolute.parent_path();
    }

    std::vector<fs::path> missing;
    if (const auto reason = find_missing(absolute, missing)) {
        return refused(folder, *reason);
    }
    std::vector<fs::path> created;
    for (auto at = missing.rbegin(); at != missing.rend(); ++at) {
        if (!fs::create_directory(*at, error)) {
            if (!error) {
                continue; // made meanwhile by someone else: theirs to keep
            }
            remove_created(created);
            return refused(folder, reason_of(error));
        }
        created.insert(created.begin(), *at);
        std::error_code ignored;
        fs::permissions(*at, fs::perms::owner_all, fs::perm_options::replace, ignored);
    }
    if (const auto write_error = write_test(absolute)) {
        remove_created(created);
        return refused(folder, "it cannot be written (" + reason_of(*write_error) + ")");
    }
    set_program_folder(absolute);
    return Result::success();
}

} // namespace quillmark
