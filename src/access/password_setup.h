#pragma once

#include "access/password_check.h"

// Asking for, storing and changing the program's password.
namespace quillmark {

// Sets password from the password file; when no choice is made yet, asks whether to have a
// password at all and stores the answer. Answers the password file cannot hold, or longer than
// max_password_length, are refused and asked for again. When the file cannot be written the user is
// told, and the answer still holds for this run. A file too large to be a password file is shown
// as refused and left alone, password keeps its value, and the result is false.
bool password_setup();

// Throws the stored choice away, without asking for the old password, and asks again.
void change_password();

} // namespace quillmark
