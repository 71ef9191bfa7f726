#include "ui/program_end.h"

#include <cstdlib>

#include <QApplication>

namespace quillmark::ui {
namespace {

std::function<void()>& program_end_handler() {
    static std::function<void()> handler;
    return handler;
}

} // namespace

void end_program() {
    if (program_end_handler()) {
        program_end_handler()();
        return;
    }
    std::exit(EXIT_SUCCESS);
}

void set_program_end_handler(std::function<void()> handler) {
    program_end_handler() = std::move(handler);
}

} // namespace quillmark::ui
