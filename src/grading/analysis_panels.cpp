#include "grading/analysis_panels.h"

#include "classdata/class_data.h"
#include "classdata/numbers.h"
#include "grading/letter_grade.h"
#include "grading/number_text.h"
#include "grading/statistics.h"
#include "ui/controls.h"
#include "ui/layout.h"
#include "ui/picture_box.h"
#include "ui/text.h"

#include <algorithm>

#include <QLabel>

namespace quillmark {
namespace {

// The average line's width stands for 100 % on the average bar drawn over it.
constexpr int average_line_width = 2655;
// Nothing wider shows in the window.
constexpr int widest_bar = 11895;

constexpr int graph_width = 2460;
constexpr int graph_height = 825;
const QColor navy{0, 0, 128};

constexpr std::array<const char*, 5> share_captions{"%A's:", "%B's:", "%C's:", "%D's:", "%F's:"};

QLabel* make_panel(QWidget& client, const QString& name, const QString& caption, int left,
                   const QColor& color) {
    QLabel* panel = ui::add_label(client, name, caption, ui::twips_rect(left, 4440, 2895, 1575));
    panel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    panel->setFrameShape(QFrame::Box);
    ui::set_background(*panel, color);
    return panel;
}

QLabel* make_bar(QWidget& client, const QString& name, int left, const QColor& color) {
    QLabel* bar = ui::add_label(client, name, {}, ui::twips_rect(left, 4680, 15, 255));
    ui::set_background(*bar, color);
    return bar;
}

// The average line, over which the panel's bar is drawn.
QLabel* make_average(QWidget& client, const QString& name, int left) {
    return ui::add_label(client, name, QStringLiteral("Average: 0"),
                         ui::twips_rect(left, 4680, average_line_width, 255));
}

QLabel* make_deviation(QWidget& client, const QString& name, int left) {
    return ui::add_label(client, name, QStringLiteral("Standard Deviation: +/- 0%"),
                         ui::twips_rect(left, 5040, 2655, 255));
}

std::array<QLabel*, 5> make_shares(QWidget& client, const char* name, int left) {
    std::array<QLabel*, 5> shares{};
    for (int i = 0; i < 5; ++i) {
        // A, B and C on the first row, D and F under A and B.
        shares[i] =
            ui::add_label(client, ui::indexed_name(name, i),
                          QString::fromLatin1(share_captions[i]) + QStringLiteral(" 0"),
                          ui::twips_rect(left + 840 * (i % 3), 5400 + 240 * (i / 3), 855, 255));
    }
    return shares;
}

// Every whole number worked out here lies far inside 16 bits.
int whole(double value) {
    return round_to_int16(value).value_or(0);
}

// The panel format: sign position, at most 15 significant digits, cut to width characters.
QString panel_number(double value, std::size_t width) {
    return ui::to_qstring(cut_text(number_text(value), width));
}

void set_bar(QLabel& bar, double percent) {
    const double scale = static_cast<float>(average_line_width / 100.0);
    // A negative average draws no bar.
    const double width = std::clamp(scale * percent, 0.0, double{widest_bar});
    bar.resize(ui::twips(whole(width)), bar.height());
}

void show_average(QLabel& label, QLabel& bar, double percent) {
    label.setText(QStringLiteral("Average:") + panel_number(percent, 6) + QStringLiteral("%"));
    set_bar(bar, percent);
}

void show_deviation(QLabel& label, double deviation) {
    label.setText(QStringLiteral("Standard Deviation: +/-") + panel_number(deviation * 100, 6) +
                  QStringLiteral("%"));
}

void set_shares(const std::array<QLabel*, 5>& labels, const std::array<double, 5>& shares) {
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i]->setText(QString::fromLatin1(share_captions[i]) +
                           panel_number(shares[i] * 100, 5));
    }
}

bool any_student() {
    return student_used(last_student());
}

} // namespace

AnalysisPanels::AnalysisPanels(QWidget& client) {
    Label18 = make_panel(client, QStringLiteral("Label18"),
                         QStringLiteral("Individual Student Analysis"), 120, ui::student_cyan);
    Label6 = make_bar(client, QStringLiteral("Label6"), 240, QColor{192, 192, 255});
    Label4 = make_average(client, QStringLiteral("Label4"), 240);
    Label12 = ui::add_label(client, QStringLiteral("Label12"), QStringLiteral("Letter Grade:"),
                            ui::twips_rect(1560, 4980, 1335, 255));
    Picture1 = new ui::PictureBox{&client};
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(ui::twips_rect(540, 5175, graph_width, graph_height));
    ui::set_background(*Picture1, ui::student_cyan);
    // Sized to their captions, and drawn over the graph's edge where the font is wide.
    for (QLabel* mark : {ui::add_label(client, QStringLiteral("Label15"), QStringLiteral("100%"),
                                       ui::twips_rect(150, 5130, 0, 0)),
                         ui::add_label(client, QStringLiteral("Label23"), QStringLiteral("50%"),
                                       ui::twips_rect(150, 5490, 0, 0)),
                         ui::add_label(client, QStringLiteral("Label24"), QStringLiteral("0%"),
                                       ui::twips_rect(270, 5820, 0, 0))}) {
        mark->adjustSize();
    }

    Label19 =
        make_panel(client, QStringLiteral("Label19"),
                   QStringLiteral("Individual Assignment Analysis"), 3120, ui::assignment_orange);
    Label3 = make_bar(client, QStringLiteral("Label3"), 3240, QColor{128, 255, 128});
    Label5 = make_average(client, QStringLiteral("Label5"), 3240);
    Label11 = make_deviation(client, QStringLiteral("Label11"), 3240);
    Label14 = make_shares(client, "Label14", 3240);

    Label20 = make_panel(client, QStringLiteral("Label20"),
                         QStringLiteral("Overall Class Analysis"), 6120, Qt::white);
    Label8 = make_bar(client, QStringLiteral("Label8"), 6240, QColor{192, 192, 192});
    Label7 = make_average(client, QStringLiteral("Label7"), 6240);
    Label13 = make_deviation(client, QStringLiteral("Label13"), 6240);
    Label16 = make_shares(client, "Label16", 6240);
}

void AnalysisPanels::s_analysis(std::int16_t student) {
    if (student < 0 || student >= student_slots || !student_used(student)) {
        return;
    }
    selected_student = student;
    const double percent = student_average(student) * 100;
    show_average(*Label4, *Label6, percent);
    const student_rec& record = students[student];
    Label18->setText(ui::to_qstring(record.first_name + " " + record.last_name));
    Label12->setText(QStringLiteral("Letter Grade: ") + ui::to_qstring(letter_grade(percent)));
    student_graph(student);
}

void AnalysisPanels::a_analysis(std::int16_t assignment) {
    if (assignment < 0 || assignment >= assignment_slots || !assignment_used(assignment) ||
        !any_student()) {
        return;
    }
    selected_assignment = assignment;
    const double average = assignment_average(assignment);
    std::array<double, 5> shares{};
    assignment_distribution(assignment, shares[0], shares[1], shares[2], shares[3], shares[4]);
    const double deviation = assignment_std_dev(assignment);

    show_average(*Label5, *Label3, average * 100);
    Label19->setText(ui::to_qstring(asg_title[assignment]));
    show_deviation(*Label11, deviation);
    set_shares(Label14, shares);
}

void AnalysisPanels::c_analysis() {
    const double average = class_average();
    const double deviation = class_std_dev();
    std::array<double, 5> shares{};
    class_distribution(shares[0], shares[1], shares[2], shares[3], shares[4]);

    show_average(*Label7, *Label8, average);
    show_deviation(*Label13, deviation);
    set_shares(Label16, shares);
}

void AnalysisPanels::student_graph(std::int16_t student) {
    if (student < 0 || student >= student_slots) {
        return;
    }
    Picture1->clear();
    const std::int16_t last = last_assignment();
    if (!assignment_used(last)) {
        return;
    }
    // Laid out as for slot 2 when the highest slot is 0 or 1, where the step would leave the
    // bars no width.
    const double span = std::max<int>(last, 2);
    const int pitch = whole(graph_width / span);
    const int step = whole(pitch - pitch / span);
    const student_rec& record = students[student];
    int k = 0;
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        if (!assignment_used(a)) {
            continue;
        }
        const int x = k * step;
        ++k;
        if (asg_points[a] <= 0) {
            continue;
        }
        // The excused mark takes part as -1: its bar lies below the base line, out of sight.
        const double fraction = static_cast<double>(record.scores[a]) / asg_points[a];
        // Bars far above or below the picture look the same cut off, and stay 16-bit.
        const double top = std::clamp(graph_height - fraction * (graph_height - 5),
                                      -double{graph_height}, 2.0 * graph_height);
        Picture1->fill_rectangle({x + 1, graph_height}, {x + step - 1, whole(top)}, navy);
    }
}

} // namespace quillmark
