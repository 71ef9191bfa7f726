#pragma once

#include <filesystem>
#include <string>

namespace quillmark {

// Appends the whole file to bytes; 0, or the error number of the failure.
int read_whole_file(const std::filesystem::path& path, std::string& bytes);

} // namespace quillmark
