#pragma once

#include "classdata/command_line.h"

namespace quillmark {

// Runs --list or --export without a display: opens the program folder, asks for the password
// when one is set, then runs the command. Returns the exit status: 0 done, 1 failed, the reason
// on standard error.
int run_windowless(const CommandLine& options);

} // namespace quillmark
