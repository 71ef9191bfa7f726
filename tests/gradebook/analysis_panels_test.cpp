#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "grid_fixture.h"
#include "ui/layout.h"
#include "ui/picture_box.h"

#include <vector>

#include <QLabel>

namespace quillmark::testing {
namespace {

class AnalysisPanelsTest : public GridTest {
protected:
    int width_of(const QString& label) const { return control<QLabel>(label).width(); }

    std::vector<QRect> bars() const {
        std::vector<QRect> areas;
        for (const auto& filled :
             control<ui::PictureBox>(QStringLiteral("Picture1")).rectangles()) {
            EXPECT_EQ(QColor(0, 0, 128), filled.color);
            areas.push_back(filled.area);
        }
        return areas;
    }

    // A bar of the graph, as its corners give it: from the base line up (or down) to top.
    static QRect bar(int left, int right, int top) {
        return QRect{QPoint{left, 825}, QPoint{right, top}}.normalized();
    }

    // The captions of the five letter shares, from A to F.
    std::vector<QString> shares(const char* label) const {
        std::vector<QString> captions;
        for (int i = 0; i < 5; ++i) {
            captions.push_back(caption(QStringLiteral("%1(%2)").arg(QLatin1String{label}).arg(i)));
        }
        return captions;
    }
};

TEST_F(AnalysisPanelsTest, StudentPanelShowsAverageLetterGradeAndBar) {
    add_assignment(0, "Project", 1000);
    add_student(0, "Ada", "Lovelace", "A1");
    students[0].scores[0] = 855;
    add_student(1, "Bob", "Away", "B2");
    students[1].scores[0] = excused;
    add_student(2, "Cy", "Bonus", "C3");
    students[2].scores[0] = 1500;
    add_student(3, "Di", "Debt", "D4");
    students[3].scores[0] = -500;
    Form1& window = open_gradebook();

    EXPECT_EQ(ui::twips(2655), width_of(QStringLiteral("Label4")));
    window.s_analysis(0);
    EXPECT_EQ(0, selected_student);
    EXPECT_EQ(QStringLiteral("Ada Lovelace"), caption(QStringLiteral("Label18")));
    EXPECT_EQ(QStringLiteral("Average: 85.5%"), caption(QStringLiteral("Label4")));
    EXPECT_EQ(QStringLiteral("Letter Grade: B "), caption(QStringLiteral("Label12")));
    EXPECT_EQ(ui::twips(2270), width_of(QStringLiteral("Label6")));

    window.s_analysis(1);
    EXPECT_EQ(QStringLiteral("Average: 0%"), caption(QStringLiteral("Label4")));
    EXPECT_EQ(QStringLiteral("Letter Grade: F "), caption(QStringLiteral("Label12")));
    EXPECT_EQ(0, width_of(QStringLiteral("Label6")));

    window.s_analysis(2);
    EXPECT_EQ(QStringLiteral("Average: 150%"), caption(QStringLiteral("Label4")));
    EXPECT_EQ(ui::twips(3982), width_of(QStringLiteral("Label6")));

    // A negative average draws no bar at all.
    window.s_analysis(3);
    EXPECT_EQ(QStringLiteral("Average:-50%"), caption(QStringLiteral("Label4")));
    EXPECT_EQ(0, width_of(QStringLiteral("Label6")));

    // A slot without a student leaves the panel and the selection alone.
    window.s_analysis(7);
    EXPECT_EQ(3, selected_student);
    EXPECT_EQ(QStringLiteral("Di Debt"), caption(QStringLiteral("Label18")));
}

TEST_F(AnalysisPanelsTest, AssignmentPanelCutsItsFiguresWithoutRounding) {
    add_assignment(0, "Thirds", 3);
    add_assignment(1, "Letters", 100);
    add_assignment(2, "Tiny", 1000);
    add_assignment(3, "Skipped", 10);
    for (int s = 0; s < 12; ++s) {
        add_student(s, "First", "Last", "S" + std::to_string(s));
        students[s].scores[0] = 2;
        students[s].scores[1] = s < 3 ? 95 : s == 3 ? 85 : 0;
        students[s].scores[2] = s == 0 ? 5 : excused;
        students[s].scores[3] = excused;
    }
    Form1& window = open_gradebook();

    window.a_analysis(0);
    EXPECT_EQ(0, selected_assignment);
    EXPECT_EQ(QStringLiteral("Thirds"), caption(QStringLiteral("Label19")));
    EXPECT_EQ(QStringLiteral("Average: 66.66%"), caption(QStringLiteral("Label5")));
    EXPECT_EQ(QStringLiteral("Standard Deviation: +/- 0%"), caption(QStringLiteral("Label11")));
    EXPECT_EQ(ui::twips(1770), width_of(QStringLiteral("Label3")));

    window.a_analysis(1);
    EXPECT_EQ((std::vector<QString>{"%A's: 25", "%B's: 8.33", "%C's: 0", "%D's: 0", "%F's: 66.6"}),
              shares("Label14"));

    window.a_analysis(2);
    EXPECT_EQ(QStringLiteral("Average: .5%"), caption(QStringLiteral("Label5")));

    window.a_analysis(3);
    EXPECT_EQ(QStringLiteral("Average: 0%"), caption(QStringLiteral("Label5")));
    EXPECT_EQ(QStringLiteral("Standard Deviation: +/- 0%"), caption(QStringLiteral("Label11")));
    EXPECT_EQ((std::vector<QString>{"%A's: 0", "%B's: 0", "%C's: 0", "%D's: 0", "%F's: 0"}),
              shares("Label14"));
    EXPECT_EQ(0, width_of(QStringLiteral("Label3")));

    // No assignment in the slot, or no student in the class: the panel stays as it is.
    window.a_analysis(4);
    for (int s = 0; s < 12; ++s) {
        students[s].id_number.clear();
    }
    window.a_analysis(1);
    EXPECT_EQ(3, selected_assignment);
    EXPECT_EQ(QStringLiteral("Skipped"), caption(QStringLiteral("Label19")));
}

TEST_F(AnalysisPanelsTest, ClassPanelIsFilledWhenTheWindowLoads) {
    add_assignment(0, "Test", 100);
    add_student(0, "Ada", "High", "A1");
    students[0].scores[0] = 95;
    add_student(1, "Bo", "Low", "B2");
    students[1].scores[0] = 65;
    open_gradebook();

    EXPECT_EQ(QStringLiteral("Average: 80%"), caption(QStringLiteral("Label7")));
    EXPECT_EQ(QStringLiteral("Standard Deviation: +/- 15%"), caption(QStringLiteral("Label13")));
    EXPECT_EQ((std::vector<QString>{"%A's: 50", "%B's: 0", "%C's: 0", "%D's: 50", "%F's: 0"}),
              shares("Label16"));
    EXPECT_EQ(ui::twips(2124), width_of(QStringLiteral("Label8")));
}

TEST_F(AnalysisPanelsTest, GraphHasOneBarPerAssignmentScaledToItsPoints) {
    add_student(0, "Ada", "Lovelace", "A1");
    for (int a = 0; a < 10; ++a) {
        add_assignment(a, "Week " + std::to_string(a + 1), 10);
        students[0].scores[a] = static_cast<std::int16_t>(a);
    }
    students[0].scores[3] = excused;
    students[0].scores[9] = 20;
    Form1& window = open_gradebook();
    window.s_analysis(0);

    // Ten slots over 2460 twips: pitch 273, bars 243 apart; full marks reach 5 below the top,
    // an excused score lies below the base line and a double score far above the top.
    const std::vector<int> tops{825, 743, 661, 907, 497, 415, 333, 251, 169, -815};
    std::vector<QRect> expected;
    for (int k = 0; k < 10; ++k) {
        expected.push_back(bar(243 * k + 1, 243 * k + 242, tops[k]));
    }
    EXPECT_EQ(expected, bars());
}

TEST_F(AnalysisPanelsTest, GraphOfTheLowestSlotsStillShowsItsBars) {
    add_student(0, "Ada", "Lovelace", "A1");
    students[0].scores[0] = 10;
    students[0].scores[1] = 5;
    add_assignment(0, "First", 10);
    Form1& window = open_gradebook();

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
