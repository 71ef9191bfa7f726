#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "ui/dialogs.h"
#include "ui/program_end.h"
#include "ui/text.h"

#include <QCloseEvent>
#include <QTimer>

namespace quillmark {

void Form1::autosave() {
    // The answer to the conflict window writes the class.
    if (settling_conflicts) {
        return;
    }
    const QString title = windowTitle();
    setWindowTitle(QStringLiteral("Autosaving - Please Wait..."));
    const Result saved = save_class_file(false);
    setWindowTitle(title);
    follow_other_copy_categories();

    if (saved) {
        save_failure_reported = false;
    } else if (!save_failure_reported) {
        save_failure_reported = true;
        ui::msgbox(ui::to_qstring(saved.message()) +
                       QStringLiteral("\n\nYour changes are kept, and Quillmark will keep trying "
                                      "to save them every 20 seconds."),
                   ui::Icon::error, ui::Buttons::ok, this);
    }

    setWindowTitle(QStringLiteral("Calculating Overall Class Analysis - Please Wait..."));
    c_analysis();
    setWindowTitle(title);
}

bool Form1::save_before_close() {
    const Result saved = save_class_file(true);
    if (saved) {
        return true;
    }
    // No tick may stack its own report on the question; the teacher has just been told.
    Timer1->stop();
    save_failure_reported = true;
    const bool close_anyway =
        ui::msgbox(ui::to_qstring(saved.message()) +
                       QStringLiteral("\n\nClose the class anyway and lose the changes made "
                                      "since it was last saved?"),
                   ui::Icon::exclamation, ui::Buttons::yes_no, this) == ui::Answer::yes;
    if (!close_anyway) {
        Timer1->start();
    }
    return close_anyway;
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!saved_for_close && !save_before_close()) {
        event->ignore();
        return;
    }
    saved_for_close = true;
    event->accept();
}

void Form1::saveclass() {
    // Saved before the class manager comes up, so a teacher who stays finds no second window.
    if (!save_before_close()) {
        return;
    }
    saved_for_close = true;
    emit class_manager_requested();
    close();
}

void Form1::exit() {
    if (!save_before_close()) {
        return;
    }
    saved_for_close = true;
    close();
    ui::end_program();
}

} // namespace quillmark
