#include "app/navigator.h"
#include "app/windowless_run.h"
#include "classdata/command_line.h"
#include "classdata/program_folder.h"
#include "classdata/resources.h"
#include "classdata/sample_class.h"
#include "classdata/text_encoding.h"
#include "ui/dialogs.h"
#include "ui/text.h"

#include <cstdlib>
#include <iostream>

#include <QApplication>

namespace {

// Whether the session names a display that windows could go to.
bool display_named() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace quillmark;
    std::string problem;
    const std::optional<CommandLine> options = read_command_line({argv + 1, argv + argc}, problem);
    if (!options) {
        if (!problem.empty()) {
            std::cerr << problem << '\n';
        }
        std::cerr << usage_line << '\n';
        return 2;
    }
    if (options->help) {
        std::cout << help_text();
        return 0;
    }
    if (options->version) {
        std::cout << "Quillmark " QUILLMARK_VERSION "\n";
        return 0;
    }
    // These need no display, so no QApplication either.
    if (options->windowless()) {
        return run_windowless(*options);
    }

    // Before Qt starts, as Qt ends the program where there is no display: the refusal must
    // reach any terminal.
    const Result opened = open_program_folder(options->folder.value_or(default_program_folder()));
    if (!opened) {
        std::cerr << cp1252_to_utf8(opened.message()) << '\n';
        if (!display_named()) {
            return 1;
        }
    }

    // Qt must not act on options such as -style.
    int qt_argc = 1;
    QApplication application{qt_argc, argv};
    application.setApplicationName(QStringLiteral("Quillmark"));
    if (!opened) {
        ui::msgbox(ui::to_qstring(opened.message()), ui::Icon::error);
        return 1;
    }
    place_sample_class(program_folder(), resource_file("Sample.cls"));
    if (!start_program()) {
        return 1;
    }
    return QApplication::exec();
}
