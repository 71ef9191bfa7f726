#include "classdata/program_folder.h"

#include "classdata/text_encoding.h"

#include <cstdlib>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace quillmark {
namespace {

std::optional<std::filesystem::path>& chosen_folder() {
    static std::optional<std::filesystem::path> folder;
    return folder;
}

std::filesystem::path executable_folder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : executable.parent_path();
}

std::filesystem::path per_user_folder() {
    const char* home = std::getenv("HOME");
    std::filesystem::path folder =
        std::filesystem::path{home != nullptr ? home : "."} / ".local" / "share" / "Quillmark";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

std::filesystem::path default_folder() {
    auto folder = executable_folder();
    if (::access(folder.c_str(), W_OK) == 0) {
        return folder;
    }
    return per_user_folder();
}

} // namespace

const std::filesystem::path& program_folder() {
    auto& folder = chosen_folder();
    if (!folder) {
        folder = default_folder();
    }
    return *folder;
}

void set_program_folder(std::filesystem::path folder) {
    chosen_folder() = std::move(folder);
}

std::filesystem::path in_program_folder(std::string_view name) {
    return program_folder() / std::filesystem::path{cp1252_to_utf8(name)};
}

} // namespace quillmark
