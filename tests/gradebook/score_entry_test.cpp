#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "grid_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace quillmark::testing {
namespace {

const QString numeric_message = QStringLiteral("Please enter a numeric value.");

class ScoreEntryTest : public GridTest {
protected:
    // One student and one assignment, so box 0 is a defined cell.
    void SetUp() override {
        GridTest::SetUp();
        add_student(0, "Ada", "Lovelace", "A1");
        add_assignment(0, "Quiz", 10);
    }

    // Replaces the box's text by typing, the way a teacher does after the box took the focus.
    static void retype(QLineEdit& box, const QString& keys) {
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, keys);
    }

    static QColor text_color(const QLineEdit& box) { return box.palette().color(QPalette::Text); }
};

TEST_F(ScoreEntryTest, TypedScoresAreStoredAtOnceColouredAndKeptWhenEmptied) {
    open_gradebook();
    QLineEdit& box = score_box(0);
    box.setFocus();

    retype(box, QStringLiteral("E"));
    EXPECT_EQ(excused, students[0].scores[0]);
    EXPECT_EQ(QColor{Qt::blue}, text_color(box));

    retype(box, QStringLiteral("0"));
    EXPECT_EQ(0, students[0].scores[0]);
    EXPECT_EQ(QColor{Qt::red}, text_color(box));

    retype(box, QStringLiteral("05"));
    EXPECT_EQ(5, students[0].scores[0]);
    EXPECT_EQ(QColor{Qt::black}, text_color(box));

    // Halves go to the even neighbour.
    retype(box, QStringLiteral("4.5"));
    EXPECT_EQ(4, students[0].scores[0]);
    retype(box, QStringLiteral("5.5"));
    EXPECT_EQ(6, students[0].scores[0]);

    // A typed -1 is the excused mark, shown as such once the box is left.
    retype(box, QStringLiteral("1"));
    box.home(false);
    QTest::keyClick(&box, Qt::Key_Minus);
    EXPECT_EQ(excused, students[0].scores[0]);
    score_box(1).setFocus();
    EXPECT_EQ(QStringLiteral("E"), box.text());
    EXPECT_EQ(QColor{Qt::blue}, text_color(box));

    // Emptying the box keeps the last score accepted, shown again once the box is left.
    box.setFocus();
    retype(box, QStringLiteral("95"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(9, students[0].scores[0]);
    score_box(1).setFocus();
    EXPECT_EQ(QStringLiteral("9"), box.text());
}

TEST_F(ScoreEntryTest, TextThatIsNoScoreIsRefusedAndNothingStored) {
    students[0].scores[0] = 7;
    open_gradebook();
    QLineEdit& box = score_box(0);
    box.setFocus();

    dialogs.expect_message(numeric_message, ui::Answer::ok, ui::Icon::information);
    retype(box, QStringLiteral("e"));
    EXPECT_TRUE(dialogs.done());
    EXPECT_EQ(QString{}, box.text());
    EXPECT_EQ(7, students[0].scores[0]);
    EXPECT_EQ(&box, QApplication::focusWidget());

    dialogs.expect_message(numeric_message, ui::Answer::ok, ui::Icon::information);
    QTest::keyClicks(&box, QStringLiteral("-"));
    EXPECT_TRUE(dialogs.done());
    EXPECT_EQ(7, students[0].scores[0]);

    // Numbers that do not fit a 16-bit score, pasted since typing stops at the "e".
    for (const QString& pasted : {QStringLiteral("9e99"), QStringLiteral("1e5")}) {
        dialogs.expect_message(numeric_message, ui::Answer::ok, ui::Icon::information);
        box.selectAll();
        box.insert(pasted);
        EXPECT_TRUE(dialogs.done()) << pasted.toStdString();
        EXPECT_EQ(QString{}, box.text());
        EXPECT_EQ(7, students[0].scores[0]);
    }
}

TEST_F(ScoreEntryTest, EnterMovesDownTheColumnAndFromTheBottomRowToTheTop) {
    for (int slot = 1; slot < 10; ++slot) {
        add_student(slot, "First", "Last", "S" + std::to_string(slot));
    }
    add_assignment(5, "Essay", 100);
    students[1].scores[5] = 42;
    open_gradebook();

    score_box(95).setFocus();
    QTest::keyClick(&score_box(95), Qt::Key_Return);
    EXPECT_EQ(&score_box(5), QApplication::focusWidget());
    QTest::keyClick(&score_box(5), Qt::Key_Enter);
    EXPECT_EQ(&score_box(15), QApplication::focusWidget());
    // The score reached with Enter is selected whole, so typing replaces it.
    EXPECT_EQ(QStringLiteral("42"), score_box(15).selectedText());
    QTest::keyClicks(&score_box(15), QStringLiteral("7"));
    EXPECT_EQ(7, students[1].scores[5]);
}

TEST_F(ScoreEntryTest, CellsWithoutStudentOrAssignmentTakeNoScore) {
    students[1].first_name = "No";
    students[1].last_name = "Id";
    open_gradebook();

    dialogs.expect_message(
        QStringLiteral("     You must have a student and an assignment defined to enter a grade. "
                       "Click in the orange box above this column to enter an assignment. Click "
                       "in the blue box to the left of this row to enter a student."),
        ui::Answer::ok, ui::Icon::exclamation);
    QTest::mouseClick(&score_box(10), Qt::LeftButton);
    EXPECT_TRUE(dialogs.done());
    EXPECT_EQ(&control<QLineEdit>(QStringLiteral("text3(1)")), QApplication::focusWidget());

    // Enter can still lead into such a cell; what is typed there goes nowhere.
    score_box(0).setFocus();
    QTest::keyClick(&score_box(0), Qt::Key_Return);
    EXPECT_EQ(&score_box(10), QApplication::focusWidget());
    QTest::keyClicks(&score_box(10), QStringLiteral("8"));
    EXPECT_EQ(QString{}, score_box(10).text());
    EXPECT_EQ(0, students[1].scores[0]);
}

TEST_F(ScoreEntryTest, ClickingAndLeavingACellShowItInThePanels) {
    add_student(3, "Grace", "Hopper", "G3");
    add_assignment(2, "Test", 20);
    students[3].scores[0] = 10;
    students[3].scores[2] = 15;
    students[0].scores[2] = excused;
    open_gradebook();

    QTest::mouseClick(&score_box(32), Qt::LeftButton);
    EXPECT_EQ(3, selected_student);
    EXPECT_EQ(2, selected_assignment);
    EXPECT_EQ(QStringLiteral("Grace Hopper"), caption(QStringLiteral("Label18")));
    EXPECT_EQ(QStringLiteral("Test"), caption(QStringLiteral("Label19")));
    EXPECT_EQ(QStringLiteral("Average: 83.33%"), caption(QStringLiteral("Label4")));
    EXPECT_EQ(QStringLiteral("Average: 75%"), caption(QStringLiteral("Label5")));

    // A new score shows in the panels once the box is left.
    score_box(32).selectAll();
    QTest::keyClicks(&score_box(32), QStringLiteral("20"));
    score_box(0).setFocus();
    EXPECT_EQ(QStringLiteral("Average: 100%"), caption(QStringLiteral("Label4")));
    EXPECT_EQ(QStringLiteral("Average: 100%"), caption(QStringLiteral("Label5")));
}

} // namespace
} // namespace quillmark::testing
