#include "classdata/class_data.h"
#include "grading/window_fixture.h"

#include <array>
#include <initializer_list>
#include <tuple>
#include <utility>

#include <QApplication>
#include <QComboBox>

namespace quillmark::testing {
namespace {

using Scale = std::array<std::int16_t, 14>;
using Quiz = std::array<std::int16_t, 4>;

const QString overlapping = QStringLiteral("One or more of your grade ranges are overlapping.");

const QString linear_explanation = QStringLiteral(
    "This curve simply adds the value, in points, that you specify in the 'Point Value' box to "
    "each student's score for the selected assignment. It is a simple way to boost/drop "
    "everybody's score by a fixed amount but is not recommended in most cases due to the fact "
    "that it frequently results in scores above 100 percent.");
const QString mean_explanation = QStringLiteral(
    "This curve allows you to change the class's mean (average) percentile on an assignment. "
    "Suppose the class averaged 71% on an assignment and you think the class average should've "
    "been higher, say 75%, a middle-of-the-road 'C' grade. Enter '75' in the 'Percentile' box "
    "and the individual students' scores will be adjusted appropriately to create a class "
    "average of 75%. Note that nobody's score will ever be lowered.");

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

    bool open_scale() {
        trigger("gradingscale");
        return opened("Form6");
    }
    // Selects the quiz by its title, then clicks the toolbox item's icon or caption.
    bool open_wizard(const char* toolbox_control) {
        click(QStringLiteral("Text2(0)"));
        click(QLatin1String{toolbox_control});
        return opened("Form5");
    }
    QComboBox& list(int row) const {
        return in_window<QComboBox>(QStringLiteral("Combo1(%1)").arg(row));
    }
    void pick(std::initializer_list<std::pair<int, int>> bounds) const {
        for (const auto& [row, bound] : bounds) {
            list(row).setCurrentIndex(list(row).findText(QStringLiteral(" %1").arg(bound)));
        }
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

TEST_F(GradingWindowsTest, ScaleOpensWithThePlainBandsAndChecksOverlapsBetweenShownNeighbours) {
    ASSERT_TRUE(open_scale());
    EXPECT_FALSE(window_->isVisible());
    const std::array<QString, 4> plain{" 90", " 80", " 70", " 60"};
    for (int row = 0; row < 12; ++row) {
        EXPECT_EQ(row % 3 == 1, list(row).isVisible()) << row;
        EXPECT_EQ(row % 3 == 1 ? plain[row / 3] : QString{}, list(row).currentText()) << row;
    }
    EXPECT_EQ(QStringLiteral(" 30"), list(0).itemText(69));

    press("Check1");
    EXPECT_TRUE(use_plus);
    // An A+ list without a selection counts as 0, which 90 is not below.
    dialogs.expect_message(overlapping, ui::Answer::ok, ui::Icon::information);
    press("Command1");
    dialogs.verify();

    pick({{0, 97}, {1, 93}, {3, 93}, {4, 83}, {6, 77}, {7, 73}, {9, 67}, {10, 63}});
    dialogs.expect_message(overlapping);
    press("Command1");
    dialogs.verify();
    EXPECT_EQ(90, grade_scale[1]);

    pick({{3, 88}});
    press("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Scale{97, 93, 0, 88, 83, 0, 77, 73, 0, 67, 63, 0, 0, 0}), grade_scale);
}

TEST_F(GradingWindowsTest, ScaleSwitchesHoldAtOnceAndOkKeepsHiddenBoundsAndStoresAnEmptyListAs0) {
    const Scale minus_hidden{0, 93, 90, 0, 83, 80, 0, 73, 70, 0, 63, 60, 0, 0};
    const Scale plus_shown{97, 93, 0, 87, 83, 0, 77, 73, 0, 67, 63, 0, 0, 0};
    const Scale d_minus_empty{0, 93, 90, 0, 83, 80, 0, 73, 70, 0, 63, 0, 0, 0};
    struct Row {
        const char* name;
        const Scale* scale;
        bool minus;
        const char* toggle; // before OK or Cancel, if any
        const char* button;
        bool plus_after;
    };
    const Row rows[] = {
        {"minus bounds hidden, OK", &minus_hidden, false, nullptr, "Command1", false},
        {"plus on, Cancel", &plus_shown, false, "Check1", "Command2", true},
        {"empty D-, OK", &d_minus_empty, true, nullptr, "Command1", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        use_plus = false;
        use_minus = row.minus;
        grade_scale = *row.scale;
        ASSERT_TRUE(open_scale());
        if (row.toggle != nullptr) {
            press(row.toggle);
        }
        press(row.button);
        EXPECT_TRUE(handed_back());
        EXPECT_EQ((std::pair{row.plus_after, row.minus}), (std::pair{use_plus, use_minus}));
        EXPECT_EQ(*row.scale, grade_scale);
    }
}

TEST_F(GradingWindowsTest, OnlyTheWindowBackgroundOfTheScaleAndTheWizardIsOrange) {
    const QColor orange{255, 192, 128};
    // Boxes, lists and switches are painted as on any other window.
    const auto as_elsewhere = [this](std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const QWidget& part = in_window<QWidget>(QLatin1String{name});
            EXPECT_EQ(QApplication::palette(&part).color(QPalette::Active, QPalette::Base),
                      part.palette().color(QPalette::Active, QPalette::Base))
                << name;
        }
    };
    ASSERT_TRUE(open_scale());
    EXPECT_EQ(orange, window->palette().color(QPalette::Window));
    as_elsewhere({"Text1", "Combo1(1)", "Check1"});
    const QFont row_font = in_window<QLabel>(QStringLiteral("Label1(4)")).font();
    EXPECT_EQ(QStringLiteral("MS Sans Serif"), row_font.family());
    EXPECT_EQ(8.25, row_font.pointSizeF());
    EXPECT_FALSE(row_font.bold());
    press("Command2");
    ASSERT_TRUE(handed_back());

    ASSERT_TRUE(open_wizard("Image2(1)"));
    EXPECT_EQ(orange, window->palette().color(QPalette::Window));
    as_elsewhere({"Text1", "Text2", "Option1(0)"});
    const auto& explanation = in_window<QLabel>(QStringLiteral("Label1"));
    EXPECT_TRUE(explanation.autoFillBackground());
    EXPECT_EQ(QColor{Qt::white}, explanation.palette().color(QPalette::Window));
}

TEST_F(GradingWindowsTest, WizardRefusesNoCurveTextThatIsNoNumberAndNoAssignment) {
    ASSERT_TRUE(open_wizard("Label21(1)"));
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(QStringLiteral("Auto-Curve 'Quiz'"), window->windowTitle());
    dialogs.expect_message(QStringLiteral("Please select a type of curve."));
    press("Command1");
    dialogs.verify();

    const auto explanation = [this] { return in_window<QLabel>(QStringLiteral("Label1")).text(); };
    // The text is refused, emptied and takes the focus; the other box is off.
    for (const auto& [option, name, other, shown] :
         {std::tuple{"Option1(0)", "Text1", "Text2", linear_explanation},
          std::tuple{"Option1(1)", "Text2", "Text1", mean_explanation}}) {
        press(option);
        EXPECT_FALSE(box(other).isEnabled());
        EXPECT_EQ(shown, explanation());
        for (const char* text : {"12abc", "1e999"}) {
            curve(name, QLatin1String{text}, QStringLiteral("You must enter a numeric value."));
            EXPECT_EQ(QString{}, box(name).text()) << text;
            EXPECT_TRUE(box(name).hasFocus()) << text;
        }
    }
    // The title bar's close button acts as Cancel.
    window->close();
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Quiz{60, 70, 80, excused}), quiz());

    // A slot left selected from another class holds no assignment.
    selected_assignment = 1;
    dialogs.expect_message(
        QStringLiteral("Please select an assignment first: click its title in the gradebook."));
    click(QStringLiteral("Image2(1)"));
    EXPECT_EQ(nullptr, shown_window("Form5"));
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(GradingWindowsTest, CurvesChangeTheScoresAndRepaintTheGridAndTheAssignmentPanel) {
    ASSERT_TRUE(open_wizard("Image2(1)"));
    press("Option1(0)");
    // Typing replaces the 0 the box holds.
    QTest::keyClicks(&box("Text1"), QStringLiteral("-2.5"));
    dialogs.expect_message(QStringLiteral("Linear Curve applied successfully."));
    QTest::keyClick(&box("Text1"), Qt::Key_Return);
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Quiz{58, 68, 78, excused}), quiz());
    EXPECT_EQ(QStringLiteral("68"), score_box(10).text());
    EXPECT_EQ(QStringLiteral("Average: 68%"), caption(QStringLiteral("Label5")));

    ASSERT_TRUE(open_wizard("Image2(1)"));
    press("Option1(1)");
    curve("Text2", QStringLiteral("67.5"),
          QStringLiteral("The class average on this assignment is already 68%. A Mean Score "
                         "Curve never lowers scores."));
    EXPECT_EQ((Quiz{58, 68, 78, excused}), quiz());
    curve("Text2", QStringLiteral("75"), QStringLiteral("Mean Score Curve applied successfully."));
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Quiz{65, 75, 85, excused}), quiz());
    EXPECT_EQ(QStringLiteral("85"), score_box(20).text());
    EXPECT_EQ(QStringLiteral("Average: 75%"), caption(QStringLiteral("Label5")));

    // 168 of 300 points is 56.000000000000007 % in binary, shown as 56 %: a target of 56 is
    // not below it.
    students[0].scores[0] = 48;
    students[1].scores[0] = 56;
    students[2].scores[0] = 64;
    ASSERT_TRUE(open_wizard("Image2(1)"));
    press("Option1(1)");
    curve("Text2", QStringLiteral("56"), QStringLiteral("Mean Score Curve applied successfully."));
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Quiz{48, 56, 64, excused}), quiz());
}

} // namespace
} // namespace quillmark::testing
