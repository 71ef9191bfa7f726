#include "classdata/class_data.h"
#include "grid_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace quillmark::testing {
namespace {

const QString numeric_message = QStringLiteral("Please enter a numeric value.");

class GradebookWindowTest : public GridTest {
protected:
    // One student and one assignment, so box 0 is a defined cell.
    void SetUp() override {
        GridTest::SetUp();
        add_student(0, "Ada", "Lovelace", "A1");
        add_assignment(0, "Quiz", 10);
    }

    QPlainTextEdit& title_box(int c) const {
        return control<QPlainTextEdit>(QStringLiteral("Text2(%1)").arg(c));
    }
    QLineEdit& name_box(int r) const {
        return control<QLineEdit>(QStringLiteral("text3(%1)").arg(r));
    }
    QString numbered(const char* label, int i) const {
        return caption(QStringLiteral("%1(%2)").arg(QLatin1String{label}).arg(i));
    }

    // Replaces the box's text by typing, the way a teacher does after the box took the focus.
    static void retype(QLineEdit& box, const QString& keys) {
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, keys);
    }

    static QColor text_color(const QLineEdit& box) { return box.palette().color(QPalette::Text); }
};

TEST_F(GradebookWindowTest, RepaintShowsTitlesPointsNamesAndScoresOfUsedSlotsOnly) {
    add_assignment(0, "Chapter 1 Quiz", 100);
    add_assignment(1, "Penalty", -5);
    students[0].scores[0] = 31;
    // An assignment without a title and a student without an ID show nothing, stored or not.
    students[0].scores[2] = 9;
    students[1].first_name = "No";
    students[1].scores[0] = 50;
    Form1& window = open_gradebook();

    EXPECT_EQ(QStringLiteral("Chapter 1 Quiz"), title_box(0).toPlainText());
    EXPECT_EQ(QStringLiteral(" 100 pts."), numbered("Label17", 0));
    EXPECT_EQ(QStringLiteral("-5 pts."), numbered("Label17", 1));
    EXPECT_EQ(QStringLiteral("Lovelace Ada"), name_box(0).text());
    EXPECT_EQ(QStringLiteral("31"), score_box(0).text());
    EXPECT_EQ(QString{}, score_box(2).text());
    EXPECT_EQ(QString{}, name_box(1).text());

    // What leaves the class leaves the grid at the next repaint; its scores stay stored.
    students[0].id_number.clear();
    asg_title[1].clear();
    window.render_data();
    EXPECT_EQ(QString{}, name_box(0).text());
    EXPECT_EQ(QString{}, score_box(0).text());
    EXPECT_EQ(QString{}, numbered("Label17", 1));
    EXPECT_EQ(31, students[0].scores[0]);
}

TEST_F(GradebookWindowTest, ScrollBarsReachTheLastStudentsAndAssignments) {
    add_student(299, "Yan", "Last", "Z299");
    add_assignment(190, "Midterm", 50);
    add_assignment(199, "Final", 200);
    students[299].scores[199] = 180;
    open_gradebook();

    auto& rows = control<QScrollBar>(QStringLiteral("VScroll1"));
    rows.setValue(rows.maximum());
    EXPECT_EQ(QStringLiteral("291"), numbered("Label10", 0));
    EXPECT_EQ(QStringLiteral("300"), numbered("Label10", 9));
    EXPECT_EQ(QStringLiteral("Last Yan"), name_box(9).text());

    auto& columns = control<QScrollBar>(QStringLiteral("HScroll1"));
    columns.setValue(columns.maximum());
    EXPECT_EQ(QStringLiteral("191"), numbered("Label9", 0));
    EXPECT_EQ(QStringLiteral("200"), numbered("Label9", 9));
    EXPECT_EQ(QStringLiteral("Midterm"), title_box(0).toPlainText());
    EXPECT_EQ(QStringLiteral(" 200 pts."), numbered("Label17", 9));
    EXPECT_EQ(QStringLiteral("180"), score_box(99).text());
}

TEST_F(GradebookWindowTest, DoubleClicksOpenTheEditorsOfTheSlotsUnderThem) {
    add_student(12, "Grace", "Hopper", "G12");
    Form1& gradebook = open_gradebook();
    control<QScrollBar>(QStringLiteral("VScroll1")).setValue(10);
    control<QScrollBar>(QStringLiteral("HScroll1")).setValue(4);

    QTest::mouseDClick(&title_box(1), Qt::LeftButton);
    EXPECT_FALSE(gradebook.isVisible());
    QWidget* assignment_editor = shown_window("Form3");
    ASSERT_NE(nullptr, assignment_editor);
    QTest::keyClicks(assignment_editor->findChild<QLineEdit*>(QStringLiteral("Text1")), "Essay");
    QTest::mouseClick(assignment_editor->findChild<QWidget*>(QStringLiteral("Command1")),
                      Qt::LeftButton);
    EXPECT_EQ("Essay", asg_title[5]);
    EXPECT_TRUE(gradebook.isVisible());

    QTest::mouseDClick(&name_box(2), Qt::LeftButton);
    QWidget* student_editor = shown_window("Form2");
    ASSERT_NE(nullptr, student_editor);
    EXPECT_EQ(QStringLiteral("Grace"),
              student_editor->findChild<QLineEdit*>(QStringLiteral("Text1"))->text());
}

TEST_F(GradebookWindowTest, OrderingButtonsReorderAndRepaint) {
    add_assignment(0, "Quiz", 10);
    add_student(0, "Sam", "Smith", "1");
    add_student(1, "Ada", "Adams", "2");
    students[0].scores[0] = 9;
    students[1].scores[0] = 5;
    open_gradebook();

    QTest::mouseClick(&control<QWidget>(QStringLiteral("Command2")), Qt::LeftButton);
    EXPECT_EQ(QStringLiteral("Adams Ada"), name_box(0).text());
    EXPECT_EQ(QStringLiteral("5"), score_box(0).text());

    QTest::mouseClick(&control<QWidget>(QStringLiteral("Command3")), Qt::LeftButton);
    EXPECT_EQ(QStringLiteral("Smith Sam"), name_box(0).text());
    EXPECT_EQ(QStringLiteral("9"), score_box(0).text());
}

TEST_F(GradebookWindowTest, TypedScoresAreStoredAtOnceColouredAndKeptWhenEmptied) {
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

    // Emptying the box keeps the last score accepted, shown again once the box is left.
    retype(box, QStringLiteral("95"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(9, students[0].scores[0]);
    score_box(1).setFocus();
    EXPECT_EQ(QStringLiteral("9"), box.text());
}

TEST_F(GradebookWindowTest, TextThatIsNoScoreIsRefusedAndNothingStored) {
    students[0].scores[0] = 7;
    open_gradebook();
    QLineEdit& box = score_box(0);
    box.setFocus();

    dialogs.expect_message(numeric_message, ui::Answer::ok, ui::Icon::information);
    retype(box, QStringLiteral("e"));
    EXPECT_TRUE(dialogs.done());
    EXPECT_EQ(&box, QApplication::focusWidget());

    // A number that does not fit a 16-bit score, pasted since typing stops at the "e".
    dialogs.expect_message(numeric_message, ui::Answer::ok, ui::Icon::information);
    box.insert(QStringLiteral("9e99"));
    EXPECT_TRUE(dialogs.done());
    EXPECT_EQ(QString{}, box.text());
    EXPECT_EQ(7, students[0].scores[0]);
}

TEST_F(GradebookWindowTest, LongStoredScoresShowWholeWhileTypingStopsAtFourCharacters) {
    students[0].scores[0] = 12345;
    add_assignment(1, "Fine", 10);
    students[0].scores[1] = -1000;
    Form1& window = open_gradebook();

    EXPECT_EQ(QStringLiteral("12345"), score_box(0).text());
    EXPECT_EQ(QStringLiteral("-1000"), score_box(1).text());
    score_box(0).setFocus();
    score_box(1).setFocus();
    score_box(2).setFocus();
    window.render_data();
    EXPECT_EQ(12345, students[0].scores[0]);
    EXPECT_EQ(-1000, students[0].scores[1]);
    EXPECT_EQ(QStringLiteral("-1000"), score_box(1).text());

    // A long score may be shortened but not lengthened.
    QLineEdit& fine = score_box(1);
    fine.setFocus();
    QTest::keyClick(&fine, Qt::Key_End);
    QTest::keyClicks(&fine, QStringLiteral("0"));
    EXPECT_EQ(QStringLiteral("-1000"), fine.text());
    EXPECT_EQ(-1000, students[0].scores[1]);

    QLineEdit& box = score_box(0);
    box.setFocus();
    retype(box, QStringLiteral("98765"));
    EXPECT_EQ(QStringLiteral("9876"), box.text());
    EXPECT_EQ(9876, students[0].scores[0]);
}

TEST_F(GradebookWindowTest, ScrollingLeavesTheScoreBoxSoTypingReachesNoOtherStudent) {
    add_student(1, "Grace", "Hopper", "G1");
    students[1].scores[0] = 50;
    open_gradebook();
    QLineEdit& box = score_box(0);
    box.setFocus();
    retype(box, QStringLiteral("7"));

    control<QScrollBar>(QStringLiteral("VScroll1")).setValue(1);
    // Left as for a click elsewhere: the panels show the cell it was over.
    EXPECT_EQ(QStringLiteral("Ada Lovelace"), caption(QStringLiteral("Label18")));
    EXPECT_EQ(QStringLiteral("50"), box.text());
    // Wherever the keyboard goes now.
    QTest::keyClicks(nullptr, QStringLiteral("9"));
    EXPECT_EQ(7, students[0].scores[0]);
    EXPECT_EQ(50, students[1].scores[0]);
}

TEST_F(GradebookWindowTest, LabelsShowClassDataAsPlainText) {
    add_assignment(0, "<b>Unit 3</b> test", 10);
    add_student(0, "<i>Ada</i>", "Lovelace", "A1");
    Form1& window = open_gradebook();
    window.a_analysis(0);
    window.s_analysis(0);

    // Markup drawn as such would take less room than its text with the tags.
    for (const char* name : {"Label19", "Label18"}) {
        const QLabel& label = control<QLabel>(QLatin1String{name});
        EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), label.sizeHint().width())
            << name;
    }
    EXPECT_EQ(QStringLiteral("<b>Unit 3</b> test"), caption(QStringLiteral("Label19")));
}

TEST_F(GradebookWindowTest, EnterMovesDownTheColumnAndFromTheBottomRowToTheTop) {
    add_student(1, "First", "Last", "S1");
    add_assignment(5, "Essay", 100);
    students[1].scores[5] = 42;
    open_gradebook();

    score_box(95).setFocus();
    QTest::keyClick(&score_box(95), Qt::Key_Return);
    EXPECT_EQ(&score_box(5), QApplication::focusWidget());
    QTest::keyClick(&score_box(5), Qt::Key_Enter);
    // The score reached with Enter is selected whole, so typing replaces it.
    QTest::keyClicks(&score_box(15), QStringLiteral("7"));
    EXPECT_EQ(7, students[1].scores[5]);
}

TEST_F(GradebookWindowTest, CellsWithoutStudentOrAssignmentTakeNoScore) {
    open_gradebook();

    dialogs.expect_message(
        QStringLiteral("     You must have a student and an assignment defined to enter a grade. "
                       "Click in the orange box above this column to enter an assignment. Click "
                       "in the blue box to the left of this row to enter a student."),
        ui::Answer::ok, ui::Icon::exclamation);
    QTest::mouseClick(&score_box(10), Qt::LeftButton);
    EXPECT_TRUE(dialogs.done());
    EXPECT_EQ(&control<QLineEdit>(QStringLiteral("text3(1)")), QApplication::focusWidget());
}

TEST_F(GradebookWindowTest, AClickedScoreIsReplacedByWhatIsTyped) {
    students[0].scores[0] = 17;
    Form1& window = open_gradebook();
    QTest::mouseClick(&score_box(0), Qt::LeftButton);
    QTest::keyClicks(&score_box(0), QStringLiteral("12"));
    EXPECT_EQ(12, students[0].scores[0]);

    // Without a window manager the click lands in a window that is not active yet, and the
    // focus follows once the program has activated the window.
    add_student(1, "Alan", "Turing", "A2");
    students[1].scores[0] = 9;
    window.render_data();
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    QTest::mouseClick(&score_box(10), Qt::LeftButton);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(&score_box(10), QApplication::focusWidget());
    QTest::keyClicks(&score_box(10), QStringLiteral("7"));
    EXPECT_EQ(7, students[1].scores[0]);
}

TEST_F(GradebookWindowTest, TheWindowTitleTellsWhatThePointerIsOver) {
    asg_notes[0] = "Chapter 1";
    students[0].telephone = "555-0100";
    Form1& gradebook = open_gradebook();
    const auto hover = [](QWidget& widget) {
        const QPointF inside{widget.rect().center()};
        QMouseEvent move{QEvent::MouseMove, inside,       widget.mapToGlobal(inside),
                         Qt::NoButton,      Qt::NoButton, Qt::NoModifier};
        QApplication::sendEvent(&widget, &move);
    };

    hover(title_box(0));
    EXPECT_EQ(QStringLiteral("Quillmark (Notes: Chapter 1)"), gradebook.windowTitle());
    hover(title_box(1));
    EXPECT_EQ(QStringLiteral("Quillmark"), gradebook.windowTitle());
    hover(name_box(0));
    EXPECT_EQ(QStringLiteral("Quillmark     (Name: Ada Lovelace           ID #: A1          "
                             "Tel #: 555-0100)"),
              gradebook.windowTitle());
    hover(name_box(1));
    EXPECT_EQ(QStringLiteral("Quillmark     (Name:             ID #:           Tel #: )"),
              gradebook.windowTitle());
    hover(control<QWidget>(QStringLiteral("Image1")));
    EXPECT_EQ(QStringLiteral("Quillmark - [Algebra.cls]"), gradebook.windowTitle());
}

} // namespace
} // namespace quillmark::testing
