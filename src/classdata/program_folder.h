#pragma once

#include "classdata/result.h"

#include <filesystem>
#include <string_view>

namespace quillmark {

// The folder that holds every class, chart and password file: the one given to
// set_program_folder, else the per-user default below.
const std::filesystem::path& program_folder();

// Points the program at another folder; tests use it.
void set_program_folder(std::filesystem::path folder);

// The full name of a file in the program folder, from its Windows-1252 name.
std::filesystem::path in_program_folder(std::string_view name);

// $XDG_DATA_HOME/Quillmark, or <home>/.local/share/Quillmark when that variable is unset, empty
// or relative. Null arguments stand for unset variables; with no usable home either, the
// result is empty.
std::filesystem::path default_program_folder(const char* xdg_data_home, const char* home);

// The default above for this process's environment and user.
std::filesystem::path default_program_folder();

// Makes `folder` the program folder after creating it, with its missing parents, owner-only,
// and checking that files can be written in it. On failure nothing is left created, the
// program folder is unchanged and the message names the folder.
Result open_program_folder(const std::filesystem::path& folder);

} // namespace quillmark
