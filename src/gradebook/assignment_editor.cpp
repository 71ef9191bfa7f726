#include "gradebook/assignment_editor.h"

#include "classdata/class_data.h"
#include "classdata/numbers.h"
#include "gradebook/gradebook_window.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/text.h"

#include <algorithm>
#include <optional>
#include <string>

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillmark {
namespace {

constexpr std::int16_t default_points = 100;

QLabel* add_label(QWidget& window, const QString& name, const QString& caption, QRect place,
                  const QColor& text, const QColor& back) {
    auto* label = new QLabel{caption, &window};
    label->setObjectName(name);
    label->setGeometry(place);
    ui::set_background(*label, back);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
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
void fill_box(QLineEdit& box, const QString& text) {
    box.setMaxLength(std::max(box.maxLength(), static_cast<int>(text.size())));
    box.setText(text);
}

} // namespace

Form3::Form3(Form1& gradebook)
    : gradebook_{&gradebook} {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Add/Edit Assignment"));
    setFixedSize(ui::twips(3705), ui::twips(2640));
    setFont(ui::sans_serif());
    ui::set_background(*this, ui::assignment_orange);

    add_label(*this, QStringLiteral("Label1"), QStringLiteral("Assignment Title:"),
              ui::twips_rect(120, 120, 1335, 285), Qt::white, Qt::black);
    add_label(*this, QStringLiteral("Label3"), QStringLiteral("Notes (Optional):"),
              ui::twips_rect(120, 600, 1335, 285), Qt::white, Qt::black);
    add_label(*this, QStringLiteral("Label4"), QStringLiteral("Assignment Value (Points):"),
              ui::twips_rect(120, 1080, 1935, 285), Qt::white, Qt::black);
    QLabel* tip = add_label(*this, QStringLiteral("Label2"),
                            QStringLiteral("Tip: To remove an existing assignment, simply clear "
                                           "the 'Assigment Title' field and click 'OK'."),
                            ui::twips_rect(120, 1560, 3495, 495), Qt::black, Qt::white);
    tip->setWordWrap(true);

    Text1 = add_box(*this, QStringLiteral("Text1"), 30, ui::twips_rect(1560, 120, 2055, 285));
    text3 = add_box(*this, QStringLiteral("text3"), 50, ui::twips_rect(1560, 600, 2055, 285));
    Text2 = add_box(*this, QStringLiteral("Text2"), 3, ui::twips_rect(2160, 1080, 1455, 285));

    Command1 = new QPushButton{QStringLiteral("OK"), this};
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(ui::twips_rect(240, 2160, 1575, 375));
    Command2 = new QPushButton{QStringLiteral("Cancel"), this};
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(ui::twips_rect(1920, 2160, 1575, 375));

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, text3);

    connect(Text1, &QLineEdit::returnPressed, Text2, [this] { Text2->setFocus(); });
    connect(Text2, &QLineEdit::returnPressed, this, &Form3::pok);
    connect(Command1, &QPushButton::clicked, this, &Form3::pok);
    connect(Command2, &QPushButton::clicked, this, &Form3::close);
}

void Form3::load() {
    center();
    const std::int16_t a = slot();
    fill_box(*Text1, ui::to_qstring(asg_title[a]));
    fill_box(*Text2, QString::number(asg_points[a]));
    fill_box(*text3, ui::to_qstring(asg_notes[a]));
    show();
    Text1->setFocus();
}

void Form3::center() {
    ui::center(*this);
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

    const std::int16_t a = slot();
    asg_title[a] = ui::from_qstring(Text1->text());
    if (asg_title[a].empty()) {
        // A removed assignment leaves nothing behind for whatever is entered in the slot next.
        for (student_rec& student : students) {
            student.scores[a] = 0;
        }
        asg_notes[a].clear();
        asg_points[a] = default_points;
    } else {
        asg_notes[a] = ui::from_qstring(text3->text());
        asg_points[a] = *points;
    }

    stored_ = true;
    if (gradebook_) {
        gradebook_->show();
        gradebook_->render_data();
    }
    close();
}

void Form3::closeEvent(QCloseEvent* event) {
    // Cancel and the title bar both leave without storing; the gradebook must not stay hidden.
    if (!stored_ && gradebook_) {
        gradebook_->show();
    }
    QWidget::closeEvent(event);
}

std::int16_t Form3::slot() const {
    return static_cast<std::int16_t>(left_assignment + edit_slot);
}

} // namespace quillmark
