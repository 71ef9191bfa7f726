#pragma once

// Asking for, storing and changing the program's password.
namespace quillmark {

// Sets password from the password file; when no choice is made yet, asks whether to have a
// password at all and stores the answer. When the file cannot be written the user is told, and
// the answer still holds for this run.
void password_setup();

// Throws the stored choice away, without asking for the old password, and asks again.
void change_password();

} // namespace quillmark
