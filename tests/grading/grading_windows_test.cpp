#include "classdata/class_data.h"
#include "grading/window_fixture.h"

#include <array>
#include <initializer_list>
#include <utility>

#include <QComboBox>

namespace quillmark::testing {
namespace {

using Quiz = std::array<std::int16_t, 4>;

// The grading scale dialog and the curve wizard, opened from a gradebook over a quiz of 60, 70,
// 80 and an excused mark.
class GradingWindowsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        add_assignment(0, "Quiz", 100);
        const Quiz quiz{60, 70, 80, excused};
        for (int s = 0; s < 4; ++s) {
            add_student(s, "First", "Last", "S" + std::to_string(s));
            students[s].scores[0] = quiz[s];
        }
        open_gradebook();
    }

    void pick(std::initializer_list<std::pair<int, int>> bounds) const {
        for (const auto& [row, bound] : bounds) {
            auto& list = in_window<QComboBox>(QStringLiteral("Combo1(%1)").arg(row));
            list.setCurrentIndex(list.findText(QStringLiteral(" %1").arg(bound)));
        }
    }
    // Selects the quiz by its title, then clicks the toolbox's curve icon.
    bool open_wizard() {
        click(QStringLiteral("Text2(0)"));
        click(QStringLiteral("Image2(1)"));
        return opened("Form5");
    }
    QLineEdit& box(const char* name) const { return in_window<QLineEdit>(QLatin1String{name}); }
    // Gives the wizard's box this text and presses OK, which answers with this message.
    void curve(const char* name, const QString& text, const QString& message) {
        box(name).setText(text);
        dialogs.expect_message(message);
        press("Command1");
        dialogs.verify();
    }
    static Quiz quiz() {
        return {students[0].scores[0], students[1].scores[0], students[2].scores[0],
                students[3].scores[0]};
    }
};

TEST_F(GradingWindowsTest, ScaleRefusesOverlappingBandsAndStaysOpenThenOkStoresThem) {
    trigger("gradingscale");
    ASSERT_TRUE(opened("Form6"));
    EXPECT_FALSE(window_->isVisible());
    press("Check1");
    pick({{0, 97}, {1, 93}, {3, 93}, {4, 83}, {6, 77}, {7, 73}, {9, 67}, {10, 63}});
    dialogs.expect_message(QStringLiteral("One or more of your grade ranges are overlapping."));
    press("Command1");
    dialogs.verify();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(90, grade_scale[1]);

    pick({{3, 88}});
    press("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_TRUE(use_plus);
    EXPECT_EQ((std::array<std::int16_t, 14>{97, 93, 0, 88, 83, 0, 77, 73, 0, 67, 63, 0, 0, 0}),
              grade_scale);
}

TEST_F(GradingWindowsTest, CurvesChangeTheScoresAndRepaintTheGridAndTheAssignmentPanel) {
    ASSERT_TRUE(open_wizard());
    EXPECT_FALSE(window_->isVisible());
    press("Option1(0)");
    // Typing replaces the 0 the box holds.
    QTest::keyClicks(&box("Text1"), QStringLiteral("-2.5"));
    dialogs.expect_message(QStringLiteral("Linear Curve applied successfully."));
    QTest::keyClick(&box("Text1"), Qt::Key_Return);
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Quiz{58, 68, 78, excused}), quiz());
    EXPECT_EQ(QStringLiteral("68"), score_box(10).text());
    EXPECT_EQ(QStringLiteral("Average: 68%"), caption(QStringLiteral("Label5")));

    ASSERT_TRUE(open_wizard());
    press("Option1(1)");
    EXPECT_FALSE(box("Text1").isEnabled());
    // Text that is no number is refused, emptied and keeps the focus.
    curve("Text2", QStringLiteral("12abc"), QStringLiteral("You must enter a numeric value."));
    EXPECT_EQ(QString{}, box("Text2").text());
    EXPECT_TRUE(box("Text2").hasFocus());
    curve("Text2", QStringLiteral("75"), QStringLiteral("Mean Score Curve applied successfully."));
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Quiz{65, 75, 85, excused}), quiz());
    EXPECT_EQ(QStringLiteral("85"), score_box(20).text());
    EXPECT_EQ(QStringLiteral("Average: 75%"), caption(QStringLiteral("Label5")));
}

} // namespace
} // namespace quillmark::testing
