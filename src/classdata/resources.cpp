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
    return find_resource(name, executable_folder());
}

std::filesystem::path find_resource(std::string_view name,
                                    const std::filesystem::path& executable_folder) {
    auto beside = executable_folder / name;
    std::error_code error;
    if (std::filesystem::exists(beside, error)) {
        return beside;
    }
    // The install rules set this to the share folder as seen from the bin folder.
    auto installed = executable_folder / QUILLMARK_RESOURCES_FROM_BIN / name;
    return std::filesystem::exists(installed, error) ? installed : beside;
}

} // namespace quillmark
