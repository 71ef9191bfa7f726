#include "classdata/class_data.h"
#include "gradebook/grid_fixture.h"
#include "ui/image_button.h"

#include <array>
#include <initializer_list>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

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
class GradingWindowsTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        add_assignment(0, "Quiz", 100);
        const Quiz quiz{60, 70, 80, excused};
        for (int s = 0; s < 4; ++s) {
            add_student(s, "First", "Last", "S" + std::to_string(s));
            students[s].scores[0] = quiz[s];
        }
        open_gradebook();
    }

    bool open_scale() {
        control<QAction>(QStringLiteral("gradingscale")).trigger();
        return opened("Form6");
    }
    // Selects the quiz by its title, then clicks the toolbox item's icon or caption.
    bool open_wizard(const char* toolbox_control) {
        QTest::mouseClick(&control<QPlainTextEdit>(QStringLiteral("Text2(0)")), Qt::LeftButton);
        QTest::mouseClick(&control<ui::ImageButton>(QLatin1String{toolbox_control}),
                          Qt::LeftButton);
        return opened("Form5");
    }
    bool opened(const char* name) {
        window = shown_window(name);
        if (window != nullptr) {
            window->activateWindow(); // where the focus goes is checked
        }
        return window != nullptr && QTest::qWaitForWindowActive(window);
    }

    template <class Control> Control& in_window(const QString& name) const {
        return *window->findChild<Control*>(name);
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
    void click(const char* name) const {
        QTest::mouseClick(&in_window<QAbstractButton>(QLatin1String{name}), Qt::LeftButton);
    }
    // The window is gone and the gradebook is back.
    bool handed_back() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull() && window_->isVisible();
    }
    static Quiz quiz() {
        return {students[0].scores[0], students[1].scores[0], students[2].scores[0],
                students[3].scores[0]};
    }

    QPointer<QWidget> window;
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

    click("Check1");
    EXPECT_TRUE(use_plus);
    // An A+ list without a selection counts as 0, which 90 is not below.
    dialogs.expect_message(overlapping, ui::Answer::ok, ui::Icon::information);
    click("Command1");
    dialogs.verify();

    pick({{0, 97}, {1, 93}, {3, 93}, {4, 83}, {6, 77}, {7, 73}, {9, 67}, {10, 63}});
    dialogs.expect_message(overlapping);
    click("Command1");
    dialogs.verify();
    EXPECT_EQ(90, grade_scale[1]);

    pick({{3, 88}});
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Scale{97, 93, 0, 88, 83, 0, 77, 73, 0, 67, 63, 0, 0, 0}), grade_scale);
}

TEST_F(GradingWindowsTest, ScaleSwitchesHoldAtOnceAndHiddenBoundsAreKept) {
    use_minus = true;
    grade_scale = {0, 93, 90, 0, 83, 80, 0, 73, 70, 0, 63, 60, 0, 0};
    const Scale stored = grade_scale;
    ASSERT_TRUE(open_scale());
    click("Check2");
    click("Command2");
    EXPECT_TRUE(handed_back());
    EXPECT_FALSE(use_minus);
    EXPECT_EQ(stored, grade_scale);

    ASSERT_TRUE(open_scale());
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ(stored, grade_scale);
}

TEST_F(GradingWindowsTest, ScalePlusTickedThenCancelStaysOnAndAnEmptyDMinusStoresZero) {
    grade_scale = {97, 93, 0, 87, 83, 0, 77, 73, 0, 67, 63, 0, 0, 0};
    const Scale stored = grade_scale;
    ASSERT_TRUE(open_scale());
    click("Check1");
    click("Command2");
    EXPECT_TRUE(handed_back());
    EXPECT_TRUE(use_plus);
    EXPECT_EQ(stored, grade_scale);

    use_plus = false;
    use_minus = true;
    grade_scale = {0, 93, 90, 0, 83, 80, 0, 73, 70, 0, 63, 0, 0, 0};
    ASSERT_TRUE(open_scale());
    EXPECT_EQ(-1, list(11).currentIndex());
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Scale{0, 93, 90, 0, 83, 80, 0, 73, 70, 0, 63, 0, 0, 0}), grade_scale);
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
    click("Command2");
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
    click("Command1");
    dialogs.verify();

    const auto explanation = [this] { return in_window<QLabel>(QStringLiteral("Label1")).text(); };
    click("Option1(0)");
    EXPECT_FALSE(box("Text2").isEnabled());
    EXPECT_EQ(linear_explanation, explanation());
    for (const char* text : {"abc", "", "12abc", "$5", "1,000", "1e999", "0.5e999", ".1e400"}) {
        box("Text1").setText(QLatin1String{text});
        dialogs.expect_message(QStringLiteral("You must enter a numeric value."));
        click("Command1");
        dialogs.verify();
        EXPECT_EQ(QString{}, box("Text1").text()) << text;
        EXPECT_TRUE(box("Text1").hasFocus()) << text;
    }
    click("Option1(1)");
    EXPECT_FALSE(box("Text1").isEnabled());
    EXPECT_EQ(mean_explanation, explanation());
    box("Text2").setText(QStringLiteral("75%"));
    dialogs.expect_message(QStringLiteral("You must enter a numeric value."));
    click("Command1");
    dialogs.verify();
    EXPECT_EQ(QString{}, box("Text2").text());
    EXPECT_TRUE(box("Text2").hasFocus());
    // The title bar's close button acts as Cancel.
    window->close();
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Quiz{60, 70, 80, excused}), quiz());

    // A slot left selected from another class holds no assignment.
    selected_assignment = 1;
    dialogs.expect_message(
        QStringLiteral("Please select an assignment first: click its title in the gradebook."));
    QTest::mouseClick(&control<ui::ImageButton>(QStringLiteral("Image2(1)")), Qt::LeftButton);
    EXPECT_EQ(nullptr, shown_window("Form5"));
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(GradingWindowsTest, CurvesChangeTheScoresAndRepaintTheGridAndTheAssignmentPanel) {
    ASSERT_TRUE(open_wizard("Image2(1)"));
    click("Option1(0)");
    // Typing replaces the 0 the box holds.
    QTest::keyClicks(&box("Text1"), QStringLiteral("-2.5"));
    dialogs.expect_message(QStringLiteral("Linear Curve applied successfully."));
    QTest::keyClick(&box("Text1"), Qt::Key_Return);
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Quiz{58, 68, 78, excused}), quiz());
    EXPECT_EQ(QStringLiteral("68"), score_box(10).text());
    EXPECT_EQ(QStringLiteral("Average: 68%"), caption(QStringLiteral("Label5")));

    ASSERT_TRUE(open_wizard("Image2(1)"));
    click("Option1(1)");
    EXPECT_FALSE(box("Text1").isEnabled());
    box("Text2").setText(QStringLiteral("67.5"));
    dialogs.expect_message(QStringLiteral("The class average on this assignment is already 68%. "
                                          "A Mean Score Curve never lowers scores."));
    click("Command1");
    dialogs.verify();
    EXPECT_EQ((Quiz{58, 68, 78, excused}), quiz());
    box("Text2").setText(QStringLiteral("75"));
    dialogs.expect_message(QStringLiteral("Mean Score Curve applied successfully."));
    click("Command1");
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
    click("Option1(1)");
    box("Text2").setText(QStringLiteral("56"));
    dialogs.expect_message(QStringLiteral("Mean Score Curve applied successfully."));
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((Quiz{48, 56, 64, excused}), quiz());
    EXPECT_EQ(QStringLiteral("Average: 56%"), caption(QStringLiteral("Label5")));
}

} // namespace
} // namespace quillmark::testing
