#pragma once

#include <string>
#include <string_view>

namespace quillmark {

// A file or class name as messages show it: one longer than 60 characters keeps its start and
// its end (where the extension is) and loses its middle to "…", so the message still fits its
// box. Windows-1252 in and out; the file itself keeps its whole name.
std::string name_in_message(std::string_view name);

} // namespace quillmark
