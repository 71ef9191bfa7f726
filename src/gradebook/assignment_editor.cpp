#include "gradebook/assignment_editor.h"

#include "classdata/class_data.h"
#include "classdata/numbers.h"
#include "grading/categories_file.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/text.h"

#include <optional>
#include <string>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillmark {
namespace {

constexpr std::int16_t default_points = 100;

} // namespace

Form3::Form3(ui::Hub& gradebook)
    : EditorWindow{gradebook, QStringLiteral("Form3"), QStringLiteral("Add/Edit Assignment"), 3705,
                   2640} {
    ui::add_caption(*this, QStringLiteral("Label1"), QStringLiteral("Assignment Title:"),
                    ui::twips_rect(120, 120, 1335, 285));
    ui::add_caption(*this, QStringLiteral("Label3"), QStringLiteral("Notes (Optional):"),
                    ui::twips_rect(120, 600, 1335, 285));
    ui::add_caption(*this, QStringLiteral("Label4"), QStringLiteral("Assignment Value (Points):"),
                    ui::twips_rect(120, 1080, 1935, 285));
    QLabel* tip = ui::add_label(*this, QStringLiteral("Label2"),
                                QStringLiteral("Tip: To remove an existing assignment, simply "
                                               "clear the 'Assigment Title' field and click 'OK'."),
                                ui::twips_rect(120, 1560, 3495, 495));
    ui::set_colors(*tip, Qt::black, Qt::white);
    tip->setWordWrap(true);

    Text1 = ui::add_box(*this, QStringLiteral("Text1"), 30, ui::twips_rect(1560, 120, 2055, 285));
    text3 = ui::add_box(*this, QStringLiteral("text3"), 50, ui::twips_rect(1560, 600, 2055, 285));
    Text2 = ui::add_box(*this, QStringLiteral("Text2"), 3, ui::twips_rect(2160, 1080, 1455, 285));

    Command1 = ui::add_button(*this, QStringLiteral("Command1"), QStringLiteral("OK"),
                              ui::twips_rect(240, 2160, 1575, 375));
    Command2 = ui::add_button(*this, QStringLiteral("Command2"), QStringLiteral("Cancel"),
                              ui::twips_rect(1920, 2160, 1575, 375));

    ui::set_tab_order({Text1, Text2, Command1, Command2, text3});

    connect(Text1, &QLineEdit::returnPressed, Text2, [this] { ui::focus_whole(*Text2); });
    connect(Text2, &QLineEdit::returnPressed, this, &Form3::pok);
    connect(Command1, &QPushButton::clicked, this, &Form3::pok);
    connect(Command2, &QPushButton::clicked, this, &Form3::close);
}

void Form3::load() {
    center();
    const std::int16_t a = slot();
    ui::fill_box(*Text1, ui::to_qstring(asg_title[a]));
    ui::fill_box(*Text2, QString::number(asg_points[a]));
    ui::fill_box(*text3, ui::to_qstring(asg_notes[a]));
    show();
    Text1->setFocus();
}

void Form3::pok() {
    // An empty or unreadable point value stands for the default one.
    const std::optional<std::int16_t> points =
        round_to_int16(parse_number(ui::from_qstring(Text2->text())).value_or(default_points));
    if (!points || *points <= 0) {
        ui::msgbox(QStringLiteral("Assignments must have a positive point value."), ui::Icon::none,
                   ui::Buttons::ok, this);
        Text2->clear();
        Text2->setFocus();
        return;
    }
    // A removed assignment keeps no notes, so they need the check only with a title.
    if (!ui::check_storable(*Text1) || (!Text1->text().isEmpty() && !ui::check_storable(*text3))) {
        return;
    }

    const std::int16_t a = slot();
    asg_title[a] = ui::from_qstring(Text1->text());
    if (asg_title[a].empty()) {
        // A removed assignment leaves nothing behind for whatever is entered in the slot next;
        // the spare student is the class file reader's alone.
        for (std::int16_t s = 0; s < student_slots; ++s) {
            students[s].scores[a] = 0;
        }
        asg_notes[a].clear();
        asg_points[a] = default_points;
        if (const Result left = remove_assignment_category(a); !left) {
            ui::msgbox(ui::to_qstring(left.message()), ui::Icon::error, ui::Buttons::ok, this);
        }
    } else {
        asg_notes[a] = ui::from_qstring(text3->text());
        asg_points[a] = *points;
    }
    hand_back();
}

std::int16_t Form3::slot() const {
    return static_cast<std::int16_t>(left_assignment + edit_slot);
}

} // namespace quillmark
