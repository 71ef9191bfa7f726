#include "gradebook/student_editor.h"

#include "classdata/class_data.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/text.h"

#include <algorithm>

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace quillmark {

Form2::Form2(ui::Hub& gradebook)
    : EditorWindow{gradebook, QStringLiteral("Form2"), QStringLiteral("Add/Edit Student"), 3000,
                   3600} {
    ui::add_caption(*this, QStringLiteral("Label1"), QStringLiteral("First Name:"),
                    ui::twips_rect(120, 120, 855, 285));
    ui::add_caption(*this, QStringLiteral("Label2"), QStringLiteral("Last Name:"),
                    ui::twips_rect(120, 600, 855, 285));
    ui::add_caption(*this, QStringLiteral("Label3"), QStringLiteral("ID Number:"),
                    ui::twips_rect(120, 1080, 855, 285));
    ui::add_caption(*this, QStringLiteral("Label4"), QStringLiteral("Telephone:"),
                    ui::twips_rect(120, 1680, 855, 285));
    ui::add_caption(*this, QStringLiteral("Label5"), QStringLiteral("Address:"),
                    ui::twips_rect(120, 2160, 855, 285));
    ui::add_caption(*this, QStringLiteral("Label6"), QStringLiteral("Notes:"),
                    ui::twips_rect(120, 2640, 855, 285));

    Text1 = ui::add_box(*this, QStringLiteral("Text1"), 30, ui::twips_rect(1080, 120, 1815, 285));
    Text2 = ui::add_box(*this, QStringLiteral("Text2"), 30, ui::twips_rect(1080, 600, 1815, 285));
    text3 = ui::add_box(*this, QStringLiteral("text3"), 10, ui::twips_rect(1080, 1080, 1815, 285));
    Text4 = ui::add_box(*this, QStringLiteral("Text4"), 12, ui::twips_rect(1080, 1680, 1815, 285));
    Text5 = ui::add_box(*this, QStringLiteral("Text5"), 50, ui::twips_rect(1080, 2160, 1815, 285));
    Text6 = ui::add_box(*this, QStringLiteral("Text6"), 50, ui::twips_rect(1080, 2640, 1815, 285));

    // Sets the required boxes apart from the optional ones.
    auto* line = new QFrame{this};
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(ui::twips_rect(360, 1560, 2280, 30));

    Command1 = ui::add_button(*this, QStringLiteral("Command1"), QStringLiteral("OK"),
                              ui::twips_rect(240, 3120, 1215, 375));
    Command2 = ui::add_button(*this, QStringLiteral("Command2"), QStringLiteral("Cancel"),
                              ui::twips_rect(1560, 3120, 1215, 375));

    ui::set_tab_order({Text1, Text2, text3, Command1, Command2, Text4, Text5, Text6});

    connect(Text1, &QLineEdit::returnPressed, Text2, [this] { ui::focus_whole(*Text2); });
    connect(Text2, &QLineEdit::returnPressed, text3, [this] { ui::focus_whole(*text3); });
    connect(text3, &QLineEdit::returnPressed, this, &Form2::pok);
    connect(Command1, &QPushButton::clicked, this, &Form2::pok);
    connect(Command2, &QPushButton::clicked, this, &Form2::close);
}

void Form2::load() {
    center();
    const student_rec& student = students[slot()];
    ui::fill_box(*Text1, ui::to_qstring(student.first_name));
    ui::fill_box(*Text2, ui::to_qstring(student.last_name));
    ui::fill_box(*text3, ui::to_qstring(student.id_number));
    ui::fill_box(*Text4, ui::to_qstring(student.telephone));
    ui::fill_box(*Text5, ui::to_qstring(student.address));
    ui::fill_box(*Text6, ui::to_qstring(student.notes));
    show();
    Text1->setFocus();
}

void Form2::pok() {
    const bool first_filled = !Text1->text().isEmpty();
    const bool last_filled = !Text2->text().isEmpty();
    const bool id_filled = !text3->text().isEmpty();
    const bool all_filled = first_filled && last_filled && id_filled;
    const bool all_empty = !first_filled && !last_filled && !id_filled;
    if (!all_filled && !all_empty) {
        ui::msgbox(QStringLiteral("Required Information Missing!"), ui::Icon::none, ui::Buttons::ok,
                   this);
        return;
    }
    // A removed student keeps none of the boxes' texts, so only a kept one needs the check.
    if (!all_empty) {
        for (QLineEdit* box : {Text1, Text2, text3, Text4, Text5, Text6}) {
            if (!ui::check_storable(*box)) {
                return;
            }
        }
    }

    student_rec& student = students[slot()];
    student.first_name = ui::from_qstring(Text1->text());
    student.last_name = ui::from_qstring(Text2->text());
    student.id_number = ui::from_qstring(text3->text());
    if (all_empty) {
        // A removed student leaves nothing behind for whoever is entered in the slot next; the
        // spare score is the class file reader's alone.
        std::fill_n(student.scores.begin(), assignment_slots, std::int16_t{0});
        student.telephone.clear();
        student.address.clear();
        student.notes.clear();
    } else {
        student.telephone = ui::from_qstring(Text4->text());
        student.address = ui::from_qstring(Text5->text());
        student.notes = ui::from_qstring(Text6->text());
    }
    hand_back();
}

std::int16_t Form2::slot() const {
    return static_cast<std::int16_t>(top_student + edit_slot);
}

} // namespace quillmark
