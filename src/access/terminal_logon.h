#pragma once

#include "classdata/result.h"

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// Logging on from a terminal, for the commands that run without a window.
namespace quillmark {

// The most of one entry that is read: more than any password (max_password_length characters)
// takes in UTF-8.
constexpr std::size_t max_typed_password_bytes = 256;

// One line of in without its line end, of which at most max_typed_password_bytes are read; the
// rest of a longer line stays unread. Nothing when the input ends before any character.
std::optional<std::string> read_password_line(std::istream& in);

// read_password_line on standard input: asked for with prompt on standard error and not echoed
// when standard input is a terminal. SIGINT, SIGQUIT and SIGTERM meanwhile give the terminal its
// echo back and then end the program as they would; SIGTSTP gives it back, stops the program,
// and turns it off again when the program goes on.
std::optional<std::string> read_typed_password(std::string_view prompt);

// Sets password from the password file (none when there is no file or no choice is made yet);
// fails with the file's refusal, leaving password as it was, when the file is too large.
Result load_password();

// Whether typed (UTF-8) is the password. A wrong entry is recorded in the failed log-on log under
// date and time, as the log-on window records it.
bool log_on_with(std::string_view typed, std::string_view date, std::string_view time);

} // namespace quillmark
