#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "gradebook/score_box.h"
#include "gradebook/step_captions.h"
#include "grading/categories_elsewhere.h"
#include "grading/categories_file.h"
#include "ui/dialogs.h"
#include "ui/editor_window.h"
#include "ui/text.h"

#include <QAction>

namespace quillmark {
namespace {

// "&" would underline the letter after it in a menu caption.
QString menu_caption(const char* verb, const std::string& step) {
    if (step.empty()) {
        return QString::fromLatin1(verb);
    }
    return QString::fromLatin1(verb) + QStringLiteral(" ") +
           ui::to_qstring(step).replace(QStringLiteral("&"), QStringLiteral("&&"));
}

} // namespace

void Form1::undo() {
    settle_typing();
    const Categories categories = class_categories();
    if (history.undo()) {
        show_undone_class(categories);
    }
}

void Form1::redo() {
    settle_typing();
    const Categories categories = class_categories();
    if (history.redo()) {
        show_undone_class(categories);
    }
}

ClassSnapshot Form1::before_step() {
    settle_typing();
    return capture_class();
}

void Form1::record_step(const std::string& caption, const ClassSnapshot& before) {
    history.record_step(caption, before);
    show_history();
}

void Form1::record_when_closed(ui::EditorWindow& window, ClassSnapshot before,
                               std::function<std::string(const ClassSnapshot&)> caption) {
    connect(&window, &ui::EditorWindow::closed, this,
            [this, before = std::move(before), caption = std::move(caption)] {
                record_step(caption(before), before);
            });
}

void Form1::typing_started(const ScoreBox& box) {
    if (typing_before) {
        return;
    }
    typing_before = capture_class();
    typing_student = box.student();
    typing_assignment = box.assignment();
    show_history();
}

void Form1::settle_typing() {
    if (!typing_before) {
        return;
    }
    const ClassSnapshot before = std::move(*typing_before);
    typing_before.reset();
    record_step(score_step(typing_student, typing_assignment), before);
}

void Form1::show_history() {
    if (undo_entry == nullptr) {
        return;
    }
    // Typing under way becomes the next step; it leaves nothing to redo.
    const std::string undo_step =
        typing_before ? score_step(typing_student, typing_assignment) : history.undo_caption();
    const std::string redo_step = typing_before ? std::string{} : history.redo_caption();
    undo_entry->setText(menu_caption("Undo", undo_step));
    undo_entry->setEnabled(!undo_step.empty());
    redo_entry->setText(menu_caption("Redo", redo_step));
    redo_entry->setEnabled(!redo_step.empty());
}

void Form1::show_undone_class(const Categories& categories_before) {
    // The categories live in a file of their own, which the autosave does not write.
    if (class_categories() != categories_before && may_replace_categories(this)) {
        if (const Result saved = set_class_categories(class_categories()); !saved) {
            ui::msgbox(ui::to_qstring(saved.message()), ui::Icon::error, ui::Buttons::ok, this);
        }
    }
    render_data();
    s_analysis(selected_student);
    a_analysis(selected_assignment);
    c_analysis();
    show_history();
}

} // namespace quillmark
