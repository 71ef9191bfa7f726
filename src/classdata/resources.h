#pragma once

#include <filesystem>
#include <string_view>

namespace quillmark {

// The full name of a file shipped with the program (a picture, the sample class, the support
// page). The file may be missing; callers treat that as an empty picture or page.
std::filesystem::path resource_file(std::string_view name);

} // namespace quillmark
