#include "grading/grading_scale_dialog.h"

#include "classdata/class_data.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

#include <cstdlib>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillmark {
namespace {

constexpr std::array<const char*, 13> band_captions{"A+", "A",  "A-", "B+", "B",  "B-", "C+",
                                                    "C",  "C-", "D+", "D",  "D-", "F"};

// The lists run from 99 down to 30.
constexpr int highest_bound = 99;
constexpr int lowest_bound = 30;

constexpr int row_top = 1140;
constexpr int row_pitch = 360;
constexpr int list_left = 840;
constexpr int list_width = 1215;
constexpr int row_height = 315;

// Plus rows are 0, 3, 6, 9 (A+, B+, ...); minus rows 2, 5, 8, 11.
constexpr std::int16_t first_plus_row = 0;
constexpr std::int16_t first_minus_row = 2;

} // namespace

Form6::Form6(ui::Hub& gradebook)
    : EditorWindow{gradebook, QStringLiteral("Form6"), QStringLiteral("Define Grading Scale"), 4575,
                   6015} {
    Label3 = ui::add_label(*this, QStringLiteral("Label3"),
                           QStringLiteral("If your school's grading scale is different from the "
                                          "one shown here, please modify it as necessary."),
                           ui::twips_rect(240, 120, 4095, 615));
    Label3->setWordWrap(true);
    Label2 = ui::add_label(*this, QStringLiteral("Label2"), QStringLiteral("Greater than:"),
                           ui::twips_rect(list_left, 840, list_width, 255));

    for (int i = 0; i < 13; ++i) {
        const int top = row_top + row_pitch * i;
        Label1[i] = ui::add_label(*this, ui::indexed_name("Label1", i),
                                  QString::fromLatin1(band_captions[i]),
                                  ui::twips_rect(240, top, 495, row_height));
        ui::set_colors(*Label1[i], i == 12 ? Qt::red : Qt::white, ui::assignment_orange);
        if (i == 12) {
            Text1 = ui::add_box(*this, QStringLiteral("Text1"), 3,
                                ui::twips_rect(list_left, top, list_width, row_height));
            Text1->setText(QStringLiteral("0"));
            Text1->setReadOnly(true);
            continue;
        }
        Combo1[i] = new QComboBox{this};
        Combo1[i]->setObjectName(ui::indexed_name("Combo1", i));
        Combo1[i]->setGeometry(ui::twips_rect(list_left, top, list_width, row_height));
    }

    Check1 = new QCheckBox{QStringLiteral("Use Plus (+) Grades"), this};
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(ui::twips_rect(2400, 1500, 2055, 285));
    Check2 = new QCheckBox{QStringLiteral("Use Minus (--) Grades"), this};
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(ui::twips_rect(2400, 1860, 2055, 285));

    Command1 = ui::add_button(*this, QStringLiteral("Command1"), QStringLiteral("OK"),
                              ui::twips_rect(2400, 4980, 975, 375));
    Command2 = ui::add_button(*this, QStringLiteral("Command2"), QStringLiteral("Cancel"),
                              ui::twips_rect(3480, 4980, 975, 375));

    connect(Check1, &QCheckBox::clicked, this, [this](bool ticked) {
        show_rows(first_plus_row, ticked);
        use_plus = ticked;
    });
    connect(Check2, &QCheckBox::clicked, this, [this](bool ticked) {
        show_rows(first_minus_row, ticked);
        use_minus = ticked;
    });
    connect(Command1, &QPushButton::clicked, this, &Form6::pok);
    connect(Command2, &QPushButton::clicked, this, &Form6::close);
}

void Form6::load() {
    center();
    Check1->setChecked(use_plus);
    show_rows(first_plus_row, use_plus);
    Check2->setChecked(use_minus);
    show_rows(first_minus_row, use_minus);

    for (int i = 0; i < 12; ++i) {
        for (int bound = highest_bound; bound >= lowest_bound; --bound) {
            Combo1[i]->addItem(QStringLiteral(" %1").arg(bound));
        }
        // A bound outside the list leaves it without a selection (index -1).
        const int position = std::abs(grade_scale[i] - highest_bound);
        Combo1[i]->setCurrentIndex(position < Combo1[i]->count() ? position : -1);
    }
    show();
}

void Form6::pok() {
    // From the top shown band down, each shown bound must lie below the one before it.
    const bool top_shown = !Combo1[0]->isHidden();
    std::int16_t above = value(top_shown ? 0 : 1);
    for (std::int16_t i = top_shown ? 1 : 2; i < 12; ++i) {
        if (Combo1[i]->isHidden()) {
            continue;
        }
        if (value(i) >= above) {
            ui::msgbox(QStringLiteral("One or more of your grade ranges are overlapping."),
                       ui::Icon::information, ui::Buttons::ok, this);
            return;
        }
        above = value(i);
    }

    for (std::int16_t i = 0; i < 12; ++i) {
        grade_scale[i] = value(i);
    }
    hand_back();
}

void Form6::show_rows(std::int16_t first_row, bool shown) {
    for (std::int16_t i = first_row; i < 12; i += 3) {
        Label1[i]->setVisible(shown);
        Combo1[i]->setVisible(shown);
    }
}

std::int16_t Form6::value(std::int16_t row) const {
    const int position = Combo1[row]->currentIndex();
    return static_cast<std::int16_t>(position < 0 ? 0 : highest_bound - position);
}

} // namespace quillmark
