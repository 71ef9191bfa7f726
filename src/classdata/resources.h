#pragma once

#include <filesystem>
#include <string_view>

namespace quillmark {

// The full name of a file shipped with the program (a picture, the sample class, the support
// page), as find_resource gives it for the running executable. The file may be missing; callers
// treat that as an empty picture or page.
std::filesystem::path resource_file(std::string_view name);

// The resource `name` of a program whose executable is in `executable_folder`: beside the
// executable (a build tree) or else in the installed share folder (<prefix>/share/quillmark
// for <prefix>/bin). When neither holds it, the name beside the executable, which is missing.
std::filesystem::path find_resource(std::string_view name,
                                    const std::filesystem::path& executable_folder);

} // namespace quillmark
