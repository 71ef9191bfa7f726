#pragma once

#include "classdata/result.h"

#include <optional>
#include <string>
#include <string_view>

// The password as the password file keeps it: a salted, slow hash (Argon2id), or the
// no-password mark, never the password itself. `password` holds that line for the run.
namespace quillmark {

// The log-on entry takes no more characters, so the set-up refuses longer passwords.
constexpr int max_password_length = 20;

// The line kept for a typed password (Windows-1252): the no-password mark as it is, anything
// else as a hash that differs at every call. Nothing when the system lacks the memory to hash.
std::optional<std::string> password_line(std::string_view typed);

// Whether the typed text is the password a stored line stands for: its hash, or, from before
// passwords were hashed, the password itself, letter case counting.
bool password_matches(std::string_view typed, std::string_view stored);

// Keeps the typed password: its line goes into `password` and replaces the password file
// (atomically, owner only). `password` holds the line even when the file cannot.
Result set_password(std::string_view typed);

// The check of the log-on window and the console lock: whether typed is the password. A right
// password that the file still holds as plain text is replaced by its hash there; a failure to
// do so is left for the next log-on.
bool log_on(std::string_view typed);

} // namespace quillmark
