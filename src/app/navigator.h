#pragma once

namespace quillmark {

class Form1;
class Form4;
class Form7;

// Which window follows which: the log-on window at start leads to the class manager, the class
// manager to the gradebook on the class it opened, the gradebook back to the class manager or,
// while the console is locked, to the log-on window and back.

// Seeds the random generator, clears away what interrupted saves left in the program folder,
// reads or sets up the password, and shows the first window: the log-on window when a password
// is set, the class manager otherwise. False, with no window shown, when the password file is
// refused.
bool start_program();

Form4& show_class_manager();
// The log-on window of program start.
Form7& show_logon();
// The gradebook on the open class.
Form1& show_gradebook();

// Hides the gradebook behind the log-on window until the password is entered; refuses, with a
// message, while no password is set.
void lock_console(Form1& gradebook);

} // namespace quillmark
