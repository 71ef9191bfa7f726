#include "app/windowless_run.h"

#include "access/terminal_logon.h"
#include "classdata/class_data.h"
#include "classdata/program_folder.h"
#include "classdata/text_encoding.h"
#include "classmanager/console_commands.h"
#include "reports/grade_export.h"
#include "ui/clock.h"

#include <iostream>

namespace quillmark {

int run_windowless(const CommandLine& options) {
    if (const Result opened =
            open_program_folder(options.folder.value_or(default_program_folder()));
        !opened) {
        std::cerr << cp1252_to_utf8(opened.message()) << '\n';
        return 1;
    }
    if (const Result loaded = load_password(); !loaded) {
        std::cerr << cp1252_to_utf8(loaded.message()) << '\n';
        return 1;
    }
    if (password != no_password) {
        const std::optional<std::string> typed = read_typed_password("Password: ");
        // No entry at all is no attempt to log on, so the log keeps nothing of it.
        if (!typed) {
            std::cerr << "No password was given.\n";
            return 1;
        }
        if (!log_on_with(*typed, ui::short_date_now(), ui::long_time_now())) {
            std::cerr << "Incorrect password.\n";
            return 1;
        }
    }
    if (options.list) {
        return list_classes(std::cout);
    }
    return export_class(*options.export_class, *export_layout_named(options.format), options.output,
                        std::cout, std::cerr);
}

} // namespace quillmark
