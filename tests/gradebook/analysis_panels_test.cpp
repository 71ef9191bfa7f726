#include "classdata/class_data.h"
#include "grid_fixture.h"
#include "ui/layout.h"
#include "ui/picture_box.h"

#include <vector>

namespace quillmark::testing {
namespace {

using AnalysisPanelsTest = GridTest;

TEST_F(AnalysisPanelsTest, StudentPanelShowsAverageLetterGradeAndBar) {
    add_assignment(0, "Project", 1000);
    add_student(0, "Ada", "Lovelace", "A1");
    students[0].scores[0] = 855;
    add_student(1, "Di", "Debt", "D4");
    students[1].scores[0] = -500;
    Form1& window = open_gradebook();

    window.s_analysis(0);
    EXPECT_EQ(QStringLiteral("Ada Lovelace"), caption(QStringLiteral("Label18")));
    EXPECT_EQ(QStringLiteral("Average: 85.5%"), caption(QStringLiteral("Label4")));
    EXPECT_EQ(QStringLiteral("Letter Grade: B "), caption(QStringLiteral("Label12")));
    auto& bar = control<QLabel>(QStringLiteral("Label6"));
    EXPECT_EQ(ui::twips(2270), bar.width());

    // A negative average draws no bar at all.
    window.s_analysis(1);
    EXPECT_EQ(QStringLiteral("Average:-50%"), caption(QStringLiteral("Label4")));
    EXPECT_EQ(0, bar.width());
}

TEST_F(AnalysisPanelsTest, AssignmentPanelCutsItsFiguresWithoutRounding) {
    add_assignment(0, "Thirds", 3);
    add_assignment(1, "Letters", 100);
    add_assignment(2, "Tiny", 1000);
    for (int s = 0; s < 12; ++s) {
        add_student(s, "First", "Last", "S" + std::to_string(s));
        students[s].scores[0] = 2;
        students[s].scores[1] = s < 3 ? 95 : s == 3 ? 85 : 0;
        students[s].scores[2] = s == 0 ? 5 : excused;
    }
    Form1& window = open_gradebook();

    window.a_analysis(0);
    EXPECT_EQ(QStringLiteral("Thirds"), caption(QStringLiteral("Label19")));
    EXPECT_EQ(QStringLiteral("Average: 66.66%"), caption(QStringLiteral("Label5")));

    window.a_analysis(1);
    const QString shares[] = {"%A's: 25", "%B's: 8.33", "%C's: 0", "%D's: 0", "%F's: 66.6"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(shares[i], caption(QStringLiteral("Label14(%1)").arg(i)));
    }

    window.a_analysis(2);
    EXPECT_EQ(QStringLiteral("Average: .5%"), caption(QStringLiteral("Label5")));
}

TEST_F(AnalysisPanelsTest, GraphOfTheLowestSlotsStillShowsItsBars) {
    add_student(0, "Ada", "Lovelace", "A1");
    students[0].scores[0] = 10;
    students[0].scores[1] = 5;
    add_assignment(0, "First", 10);
    Form1& window = open_gradebook();
    const auto bars = [this] {
        std::vector<QRect> areas;
        for (const auto& filled :
             control<ui::PictureBox>(QStringLiteral("Picture1")).rectangles()) {
            areas.push_back(filled.area);
        }
        return areas;
    };
    // A bar from the base line up to top.
    const auto bar = [](int left, int right, int top) {
        return QRect{QPoint{left, 825}, QPoint{right, top}}.normalized();
    };

    window.student_graph(0);
    EXPECT_EQ(std::vector<QRect>{bar(1, 614, 5)}, bars());

    add_assignment(1, "Second", 10);
    window.student_graph(0);
    EXPECT_EQ((std::vector<QRect>{bar(1, 614, 5), bar(616, 1229, 415)}), bars());

    asg_title[0].clear();
    window.student_graph(0);
    EXPECT_EQ(std::vector<QRect>{bar(1, 614, 415)}, bars());

    // An assignment worth no points draws no bar but keeps its place.
    add_assignment(0, "Nothing", 0);
    window.student_graph(0);
    EXPECT_EQ(std::vector<QRect>{bar(616, 1229, 415)}, bars());

    // Without any assignment the graph of the previous student goes away.
    asg_title[0].clear();
    asg_title[1].clear();
    window.student_graph(0);
    EXPECT_EQ(std::vector<QRect>{}, bars());
}

} // namespace
} // namespace quillmark::testing
