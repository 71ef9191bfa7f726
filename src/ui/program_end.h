#pragma once

#include <functional>

namespace quillmark::ui {

// Ends the program at once: no window's closing steps run.
void end_program();

// Replaces what end_program does; tests install one so the test program goes on.
void set_program_end_handler(std::function<void()> handler);

} // namespace quillmark::ui
