#include "classdata/resources.h"

#include <system_error>

namespace quillmark {
namespace {

std::filesystem::path executable_folder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : executable.parent_path();
}

} // namespace

std::filesystem::path resource_file(std::string_view name) {
    return executable_folder() / name;
}

} // namespace quillmark
