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

// Sets password from the password file (none when there is no file or no choice is made yet)
// and says whether one is set.
bool password_is_set();

// Whether typed (UTF-8; nothing for no entry at all) is the password. A wrong entry is recorded
// in the failed log-on log under date and time, as the log-on window records it.
bool log_on_with(const std::optional<std::string>& typed, std::string_view date,
                 std::string_view time);

} // namespace quillmark
