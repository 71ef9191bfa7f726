#include "gradebook/student_editor.h"

#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/text.h"

#include <algorithm>
#include <string>

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillmark {
namespace {

QLabel* add_label(QWidget& window, const QString& name, const QString& caption, QRect place) {
    auto* label = new QLabel{caption, &window};
    label->setObjectName(name);
    label->setGeometry(place);
    ui::set_background(*label, Qt::black);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QLineEdit* add_box(QWidget& window, const QString& name, int max_length, QRect place) {
    auto* box = new QLineEdit{&window};
    box->setObjectName(name);
    box->setMaxLength(max_length);
    box->setGeometry(place);
    return box;
}

// A text longer than the box takes from the keyboard (a class file may hold one) is shown
// whole, so that OK never cuts it short.
void fill_box(QLineEdit& box, const std::string& text) {
    const QString shown = ui::to_qstring(text);
    box.setMaxLength(std::max(box.maxLength(), static_cast<int>(shown.size())));
    box.setText(shown);
}

} // namespace

Form2::Form2(Form1& gradebook)
    : gradebook_{&gradebook} {
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Add/Edit Student"));
    setFixedSize(ui::twips(3000), ui::twips(3600));
    setFont(ui::sans_serif());
    ui::set_background(*this, ui::assignment_orange);

    add_label(*this, QStringLiteral("Label1"), QStringLiteral("First Name:"),
              ui::twips_rect(120, 120, 855, 285));
    add_label(*this, QStringLiteral("Label2"), QStringLiteral("Last Name:"),
              ui::twips_rect(120, 600, 855, 285));
    add_label(*this, QStringLiteral("Label3"), QStringLiteral("ID Number:"),
              ui::twips_rect(120, 1080, 855, 285));
    add_label(*this, QStringLiteral("Label4"), QStringLiteral("Telephone:"),
              ui::twips_rect(120, 1680, 855, 285));
    add_label(*this, QStringLiteral("Label5"), QStringLiteral("Address:"),
              ui::twips_rect(120, 2160, 855, 285));
    add_label(*this, QStringLiteral("Label6"), QStringLiteral("Notes:"),
              ui::twips_rect(120, 2640, 855, 285));

    Text1 = add_box(*this, QStringLiteral("Text1"), 30, ui::twips_rect(1080, 120, 1815, 285));
    Text2 = add_box(*this, QStringLiteral("Text2"), 30, ui::twips_rect(1080, 600, 1815, 285));
    text3 = add_box(*this, QStringLiteral("text3"), 10, ui::twips_rect(1080, 1080, 1815, 285));
    Text4 = add_box(*this, QStringLiteral("Text4"), 12, ui::twips_rect(1080, 1680, 1815, 285));
    Text5 = add_box(*this, QStringLiteral("Text5"), 50, ui::twips_rect(1080, 2160, 1815, 285));
    Text6 = add_box(*this, QStringLiteral("Text6"), 50, ui::twips_rect(1080, 2640, 1815, 285));

    // Sets the required boxes apart from the optional ones.
    auto* line = new QFrame{this};
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(ui::twips_rect(360, 1560, 2280, 30));

    Command1 = new QPushButton{QStringLiteral("OK"), this};
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(ui::twips_rect(240, 3120, 1215, 375));
    Command2 = new QPushButton{QStringLiteral("Cancel"), this};
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(ui::twips_rect(1560, 3120, 1215, 375));

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, text3);
    setTabOrder(text3, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text4);
    setTabOrder(Text4, Text5);
    setTabOrder(Text5, Text6);

    connect(Text1, &QLineEdit::returnPressed, Text2, [this] { Text2->setFocus(); });
    connect(Text2, &QLineEdit::returnPressed, text3, [this] { text3->setFocus(); });
    connect(text3, &QLineEdit::returnPressed, this, &Form2::pok);
    connect(Command1, &QPushButton::clicked, this, &Form2::pok);
    connect(Command2, &QPushButton::clicked, this, &Form2::close);
}

void Form2::load() {
    center();
    const student_rec& student = students[slot()];
    fill_box(*Text1, student.first_name);
    fill_box(*Text2, student.last_name);
    fill_box(*text3, student.id_number);
    fill_box(*Text4, student.telephone);
    fill_box(*Text5, student.address);
    fill_box(*Text6, student.notes);
    show();
    Text1->setFocus();
}

void Form2::center() {
    ui::center(*this);
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

    student_rec& student = students[slot()];
    student.first_name = ui::from_qstring(Text1->text());
    student.last_name = ui::from_qstring(Text2->text());
    student.id_number = ui::from_qstring(text3->text());
    if (all_empty) {
        // A removed student leaves nothing behind for whoever is entered in the slot next.
        student.scores.fill(0);
        student.telephone.clear();
        student.address.clear();
        student.notes.clear();
    } else {
        student.telephone = ui::from_qstring(Text4->text());
        student.address = ui::from_qstring(Text5->text());
        student.notes = ui::from_qstring(Text6->text());
    }

    stored_ = true;
    if (gradebook_) {
        gradebook_->show();
        gradebook_->render_data();
    }
    close();
}

void Form2::closeEvent(QCloseEvent* event) {
    // Cancel and the title bar both leave without storing; the gradebook must not stay hidden.
    if (!stored_ && gradebook_) {
        gradebook_->show();
    }
    QWidget::closeEvent(event);
}

std::int16_t Form2::slot() const {
    return static_cast<std::int16_t>(top_student + edit_slot);
}

} // namespace quillmark
