#pragma once

#include <filesystem>
#include <string_view>

namespace quillmark {

// The folder that holds every class, chart and password file: the executable's folder, or
// ~/.local/share/Quillmark (created when missing) when that folder cannot be written.
const std::filesystem::path& program_folder();

// Points the program at another folder; tests use it.
void set_program_folder(std::filesystem::path folder);

// The full name of a file in the program folder, from its Windows-1252 name.
std::filesystem::path in_program_folder(std::string_view name);

} // namespace quillmark
