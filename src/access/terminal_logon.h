#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// Logging on from a terminal, for the commands that run without a window.
namespace quillmark {

// One line typed on standard input, without its line end: asked for with prompt on standard
// error and not echoed when standard input is a terminal, read as it comes otherwise. Nothing
// when the input ends first.
std::optional<std::string> read_typed_password(std::string_view prompt);

// Sets password from the password file (no file, or no choice made yet, means none is set) and,
// when one is set, checks typed (UTF-8) against it. A wrong entry is recorded in the failed
// log-on log under date and time, as the log-on window records it, and gives false.
bool log_on_with(const std::optional<std::string>& typed, std::string_view date,
                 std::string_view time);

// Whether a password is set for the program folder; read before asking for one.
bool password_is_set();

} // namespace quillmark
