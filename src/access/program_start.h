#pragma once

namespace quillmark {

// Seeds the random generator, clears away what interrupted saves left in the program folder,
// reads or sets up the password, and shows the first window: the log-on window when a password
// is set, the class manager otherwise.
void start_program();

// Opens a new class manager window.
void show_class_manager();

} // namespace quillmark
