#include "grading/curve_wizard.h"

#include "classdata/class_data.h"
#include "classdata/numbers.h"
#include "grading/curve.h"
#include "grading/number_text.h"
#include "grading/statistics.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/hub.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/text.h"

#include <cmath>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quillmark {
namespace {

const std::array<QString, 2> explanations{
    QStringLiteral(
        "This curve simply adds the value, in points, that you specify in the 'Point Value' box "
        "to each student's score for the selected assignment. It is a simple way to boost/drop "
        "everybody's score by a fixed amount but is not recommended in most cases due to the "
        "fact that it frequently results in scores above 100 percent."),
    QStringLiteral(
        "This curve allows you to change the class's mean (average) percentile on an "
        "assignment. Suppose the class averaged 71% on an assignment and you think the class "
        "average should've been higher, say 75%, a middle-of-the-road 'C' grade. Enter '75' in "
        "the 'Percentile' box and the individual students' scores will be adjusted "
        "appropriately to create a class average of 75%. Note that nobody's score will ever be "
        "lowered."),
};

void tell(const QString& text, QWidget* parent) {
    ui::msgbox(text, ui::Icon::none, ui::Buttons::ok, parent);
}

bool assignment_selected() {
    return selected_assignment >= 0 && selected_assignment < assignment_slots &&
           assignment_used(selected_assignment);
}

// The characters the assignment panel gives a percentage.
constexpr std::size_t panel_width = 6;

// A percentage as the assignment panel shows it, without the sign's blank.
QString panel_percentage(double percent) {
    return ui::to_qstring(cut_text(number_text(percent), panel_width)).trimmed();
}

} // namespace

Form5::Form5(ui::Hub& gradebook)
    : EditorWindow{gradebook, QStringLiteral("Form5"), QStringLiteral("Auto-Curve Wizard"), 6375,
                   3975}
    , gradebook_{&gradebook} {
    Image1 =
        ui::add_label(*this, QStringLiteral("Image1"), {}, ui::twips_rect(120, 240, 1455, 1935));
    Image1->setAlignment(Qt::AlignCenter);

    const std::array<QString, 2> options{QStringLiteral("Linear Curve"),
                                         QStringLiteral("Mean Score Curve")};
    const std::array<QString, 2> box_captions{QStringLiteral("Point Value:"),
                                              QStringLiteral("Percentile:")};
    for (int i = 0; i < 2; ++i) {
        const int left = 1800 + 2280 * i;
        Option1[i] = new QRadioButton{options[i], this};
        Option1[i]->setObjectName(ui::indexed_name("Option1", i));
        Option1[i]->setGeometry(ui::twips_rect(left, 240, 2055, 285));
        Label2[i] = ui::add_label(*this, ui::indexed_name("Label2", i), box_captions[i],
                                  ui::twips_rect(left + 240, 645, 975, 255));
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen) {
                choose(i);
            }
        });
    }
    Text1 = ui::add_box(*this, QStringLiteral("Text1"), 32767, ui::twips_rect(3120, 600, 855, 315));
    Text2 = ui::add_box(*this, QStringLiteral("Text2"), 32767, ui::twips_rect(5400, 600, 855, 315));
    for (QLineEdit* box : {Text1, Text2}) {
        box->setText(QStringLiteral("0"));
        box->setEnabled(false);
        connect(box, &QLineEdit::returnPressed, this, &Form5::apply_curve);
    }

    Label1 =
        ui::add_label(*this, QStringLiteral("Label1"),
                      QStringLiteral("(dynamically display information about each curve here)"),
                      ui::twips_rect(1800, 1080, 4455, 2175));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFrameShape(QFrame::Panel);
    Label1->setFrameShadow(QFrame::Sunken);
    Label1->setMargin(2);
    ui::set_colors(*Label1, Qt::black, Qt::white);

    Command1 = ui::add_button(*this, QStringLiteral("Command1"), QStringLiteral("Apply Curve"),
                              ui::twips_rect(1800, 3420, 1575, 375));
    Command2 = ui::add_button(*this, QStringLiteral("Command2"), QStringLiteral("Cancel"),
                              ui::twips_rect(3480, 3420, 1575, 375));

    ui::set_tab_order({Option1[0], Text1, Option1[1], Text2, Command1, Command2});

    connect(Command1, &QPushButton::clicked, this, &Form5::apply_curve);
    connect(Command2, &QPushButton::clicked, this, &Form5::close);
}

void Form5::load() {
    setWindowTitle(QStringLiteral("Auto-Curve '") + ui::to_qstring(asg_title[selected_assignment]) +
                   QStringLiteral("'"));
    Image1->setPixmap(ui::program_picture("statman.gif"));
    center();
    show();
}

void Form5::apply_curve() {
    if (Option1[0]->isChecked()) {
        const std::optional<double> points = read_number(*Text1);
        if (!points) {
            return;
        }
        lcurve(selected_assignment, *points);
        tell(QStringLiteral("Linear Curve applied successfully."), this);
    } else if (Option1[1]->isChecked()) {
        const std::optional<double> target = read_number(*Text2);
        if (!target) {
            return;
        }
        const double current = assignment_average(selected_assignment) * 100;
        // The teacher sees the average as the panel shows it; a target equal to that is no
        // lowering, whatever digits lie beyond the shown ones.
        if (*target < leading_number(cut_text(number_text(current), panel_width))) {
            tell(QStringLiteral("The class average on this assignment is already ") +
                     panel_percentage(current) +
                     QStringLiteral("%. A Mean Score Curve never lowers scores."),
                 this);
            Text2->setFocus();
            return;
        }
        slcurve(selected_assignment, *target);
        tell(QStringLiteral("Mean Score Curve applied successfully."), this);
    } else {
        tell(QStringLiteral("Please select a type of curve."), this);
        return;
    }

    if (gradebook_) {
        gradebook_->a_analysis(selected_assignment);
    }
    hand_back();
}

void Form5::choose(int option) {
    QLineEdit* chosen = option == 0 ? Text1 : Text2;
    QLineEdit* other = option == 0 ? Text2 : Text1;
    other->setEnabled(false);
    chosen->setEnabled(true);
    // Typing replaces the number there, rather than running on from its end.
    chosen->selectAll();
    chosen->setFocus();
    Label1->setText(explanations[option]);
}

std::optional<double> Form5::read_number(QLineEdit& box) {
    const std::optional<double> number = parse_number(ui::from_qstring(box.text()));
    if (number && std::isfinite(*number)) {
        return number;
    }
    tell(QStringLiteral("You must enter a numeric value."), this);
    box.clear();
    box.setFocus();
    return std::nullopt;
}

Form5* open_curve_wizard(ui::Hub& gradebook) {
    if (!assignment_selected()) {
        tell(QStringLiteral("Please select an assignment first: click its title in the gradebook."),
             &gradebook);
        return nullptr;
    }
    gradebook.hide();
    auto* wizard = new Form5{gradebook};
    wizard->load();
    return wizard;
}

} // namespace quillmark
