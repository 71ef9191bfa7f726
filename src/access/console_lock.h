#pragma once

namespace quillmark {

class Form1;

// Hides the gradebook behind the log-on window until the password is entered; refuses, with a
// message, while no password is set.
void lock_console(Form1& gradebook);

} // namespace quillmark
