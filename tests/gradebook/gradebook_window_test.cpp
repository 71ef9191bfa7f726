#include "classdata/class_data.h"
#include "grid_fixture.h"
#include "ui/layout.h"
#include "ui/picture_box.h"

#include <vector>

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
    QScrollBar& scroll_bar(const char* name) const {
        return control<QScrollBar>(QLatin1String{name});
    }

    // Replaces the box's text by typing, the way a teacher does after the box took the focus.
    static void retype(QLineEdit& box, const QString& keys) {
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, keys);
    }
    static QColor text_color(const QLineEdit& box) { return box.palette().color(QPalette::Text); }
};

TEST_F(GradebookWindowTest, RepaintShowsUsedSlotsOnlyWhereverTheGridIsScrolled) {
    add_assignment(0, "Chapter 1 Quiz", 100);
    add_assignment(1, "Penalty", -5);
    students[0].scores[0] = 31;
    // An assignment without a title and a student without an ID show nothing, stored or not.
    students[0].scores[2] = 9;
    students[1].first_name = "No";
    students[1].scores[0] = 50;
    add_student(299, "Yan", "Last", "Z299");
    add_assignment(199, "Final", 200);
    students[299].scores[199] = 180;
    Form1& window = open_gradebook();

    EXPECT_EQ((QStringList{"Chapter 1 Quiz", " 100 pts.", "-5 pts.", "Lovelace Ada", "31", "", ""}),
              (QStringList{title_box(0).toPlainText(), numbered("Label17", 0),
                           numbered("Label17", 1), name_box(0).text(), score_box(0).text(),
                           score_box(2).text(), name_box(1).text()}));

    // What leaves the class leaves the grid at the next repaint; its scores stay stored.
    students[0].id_number.clear();
    asg_title[1].clear();
    window.render_data();
    EXPECT_EQ(QString{}, name_box(0).text() + score_box(0).text() + numbered("Label17", 1));
    EXPECT_EQ(31, students[0].scores[0]);

    scroll_bar("VScroll1").setValue(scroll_bar("VScroll1").maximum());
    scroll_bar("HScroll1").setValue(scroll_bar("HScroll1").maximum());
    EXPECT_EQ((QStringList{"300", "Last Yan", "200", " 200 pts.", "180"}),
              (QStringList{numbered("Label10", 9), name_box(9).text(), numbered("Label9", 9),
                           numbered("Label17", 9), score_box(99).text()}));
}

TEST_F(GradebookWindowTest, DoubleClicksOpenTheEditorsOfTheSlotsUnderThem) {
    add_student(12, "Grace", "Hopper", "G12");
    add_assignment(5, "Essay", 10);
    Form1& gradebook = open_gradebook();
    scroll_bar("VScroll1").setValue(10);
    scroll_bar("HScroll1").setValue(4);
    const auto first_box = [](const char* editor) {
        QWidget* window = shown_window(editor);
        return window == nullptr ? QString{}
                                 : window->findChild<QLineEdit*>(QStringLiteral("Text1"))->text();
    };

    QTest::mouseDClick(&title_box(1), Qt::LeftButton);
    EXPECT_FALSE(gradebook.isVisible());
    EXPECT_EQ(QStringLiteral("Essay"), first_box("Form3"));
    shown_window("Form3")->close();
    QTest::mouseDClick(&name_box(2), Qt::LeftButton);
    EXPECT_FALSE(gradebook.isVisible());
    EXPECT_EQ(QStringLiteral("Grace"), first_box("Form2"));
}

TEST_F(GradebookWindowTest, TypedScoresAreStoredAtOnceColouredRefusedAndKeptToFourCharacters) {
    Form1& window = open_gradebook();
    QLineEdit& box = score_box(0);
    box.setFocus();

    const struct {
        const char* typed;
        std::int16_t stored;
        Qt::GlobalColor colour;
    } scores[] = {{"E", excused, Qt::blue}, {"0", 0, Qt::red}, {"05", 5, Qt::black}};
    for (const auto& row : scores) {
        retype(box, QLatin1String{row.typed});
        EXPECT_EQ(row.stored, students[0].scores[0]) << row.typed;
        EXPECT_EQ(QColor{row.colour}, text_color(box)) << row.typed;
    }

    // Emptying the box keeps the last score accepted, shown again once the box is left.
    retype(box, QStringLiteral("95"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(9, students[0].scores[0]);
    score_box(1).setFocus();
    EXPECT_EQ(QStringLiteral("9"), box.text());

    box.setFocus();
    dialogs.expect_message(numeric_message, ui::Answer::ok, ui::Icon::information);
    retype(box, QStringLiteral("e"));
    EXPECT_EQ(&box, QApplication::focusWidget());
    // A number that does not fit a 16-bit score, pasted since typing stops at the "e".
    dialogs.expect_message(numeric_message, ui::Answer::ok, ui::Icon::information);
    box.insert(QStringLiteral("9e99"));
    EXPECT_EQ(QString{}, box.text());
    EXPECT_EQ(9, students[0].scores[0]);

    // Long stored scores show whole, and may be shortened but not lengthened.
    add_assignment(1, "Fine", 10);
    students[0].scores = {12345, -1000};
    window.render_data();
    for (int k : {0, 1, 2}) {
        score_box(k).setFocus();
    }
    EXPECT_EQ(12345, students[0].scores[0]);
    QLineEdit& fine = score_box(1);
    fine.setFocus();
    QTest::keyClick(&fine, Qt::Key_End);
    QTest::keyClicks(&fine, QStringLiteral("0"));
    EXPECT_EQ(QStringLiteral("-1000"), fine.text());
    box.setFocus();
    retype(box, QStringLiteral("98765"));
    EXPECT_EQ(QStringLiteral("9876"), box.text());
    EXPECT_EQ(9876, students[0].scores[0]);
}

TEST_F(GradebookWindowTest, EnterAndScrollingMoveTheFocusSoTypingReachesTheRightScore) {
    add_student(1, "Grace", "Hopper", "G1");
    students[1].scores[0] = 50;
    add_assignment(5, "Essay", 100);
    students[1].scores[5] = 42;
    open_gradebook();

    // Enter goes down the column, and from the bottom row to the top.
    score_box(95).setFocus();
    QTest::keyClick(&score_box(95), Qt::Key_Return);
    EXPECT_EQ(&score_box(5), QApplication::focusWidget());
    QTest::keyClick(&score_box(5), Qt::Key_Enter);
    // The score reached with Enter is selected whole, so typing replaces it.
    QTest::keyClicks(&score_box(15), QStringLiteral("7"));
    EXPECT_EQ(7, students[1].scores[5]);

    QLineEdit& box = score_box(0);
    box.setFocus();
    retype(box, QStringLiteral("7"));
    scroll_bar("VScroll1").setValue(1);
    // Left as for a click elsewhere: the panels show the cell it was over.
    EXPECT_EQ(QStringLiteral("Ada Lovelace"), caption(QStringLiteral("Label18")));
    EXPECT_EQ(QStringLiteral("50"), box.text());
    // Wherever the keyboard goes now, it reaches no other student.
    QTest::keyClicks(nullptr, QStringLiteral("9"));
    EXPECT_EQ(7, students[0].scores[0]);
    EXPECT_EQ(50, students[1].scores[0]);
}

TEST_F(GradebookWindowTest, AClickReplacesTheScoreAndCellsOutsideTheClassTakeNone) {
    students[0].scores[0] = 17;
    Form1& window = open_gradebook();
    dialogs.expect_message(
        QStringLiteral("     You must have a student and an assignment defined to enter a grade. "
                       "Click in the orange box above this column to enter an assignment. Click "
                       "in the blue box to the left of this row to enter a student."),
        ui::Answer::ok, ui::Icon::exclamation);
    QTest::mouseClick(&score_box(10), Qt::LeftButton);
    EXPECT_EQ(&name_box(1), QApplication::focusWidget());

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
    const auto hover = [&gradebook](QWidget& widget) {
        const QPointF inside{widget.rect().center()};
        QMouseEvent move{QEvent::MouseMove, inside,       widget.mapToGlobal(inside),
                         Qt::NoButton,      Qt::NoButton, Qt::NoModifier};
        QApplication::sendEvent(&widget, &move);
        return gradebook.windowTitle();
    };

    EXPECT_EQ(QStringLiteral("Quillmark (Notes: Chapter 1)"), hover(title_box(0)));
    EXPECT_EQ(QStringLiteral("Quillmark"), hover(title_box(1)));
    EXPECT_EQ(QStringLiteral("Quillmark     (Name: Ada Lovelace           ID #: A1          "
                             "Tel #: 555-0100)"),
              hover(name_box(0)));
    EXPECT_EQ(QStringLiteral("Quillmark     (Name:             ID #:           Tel #: )"),
              hover(name_box(1)));
    EXPECT_EQ(QStringLiteral("Quillmark - [Algebra.cls]"),
              hover(control<QWidget>(QStringLiteral("Image1"))));
}

TEST_F(GradebookWindowTest, PanelsShowClassDataAsPlainTextWithAverageGradeAndBar) {
    add_assignment(0, "<b>Unit 3</b> test", 1000);
    add_student(0, "<i>Ada</i>", "Lovelace", "A1");
    students[0].scores[0] = 855;
    add_student(1, "Di", "Debt", "D4");
    students[1].scores[0] = -500;
    Form1& window = open_gradebook();
    window.a_analysis(0);
    window.s_analysis(0);

    // Markup drawn as such would take less room than its text with the tags.
    for (const char* name : {"Label19", "Label18"}) {
        const QLabel& label = control<QLabel>(QLatin1String{name});
        EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), label.sizeHint().width())
            << name;
    }
    EXPECT_EQ((QStringList{"<b>Unit 3</b> test", "<i>Ada</i> Lovelace", "Average: 85.5%",
                           "Letter Grade: B "}),
              (QStringList{caption(QStringLiteral("Label19")), caption(QStringLiteral("Label18")),
                           caption(QStringLiteral("Label4")), caption(QStringLiteral("Label12"))}));
    auto& bar = control<QLabel>(QStringLiteral("Label6"));
    EXPECT_EQ(ui::twips(2270), bar.width());

    // A negative average draws no bar at all.
    window.s_analysis(1);
    EXPECT_EQ(QStringLiteral("Average:-50%"), caption(QStringLiteral("Label4")));
    EXPECT_EQ(0, bar.width());
}

TEST_F(GradebookWindowTest, AssignmentPanelCutsItsFiguresWithoutRounding) {
    add_assignment(0, "Thirds", 3);
    add_assignment(1, "Letters", 100);
    for (int s = 0; s < 12; ++s) {
        add_student(s, "First", "Last", "S" + std::to_string(s));
        students[s].scores[0] = 2;
        students[s].scores[1] = s < 3 ? 95 : s == 3 ? 85 : 0;
    }
    Form1& window = open_gradebook();

    window.a_analysis(0);
    EXPECT_EQ(QStringLiteral("Average: 66.66%"), caption(QStringLiteral("Label5")));
    window.a_analysis(1);
    EXPECT_EQ(QStringLiteral("%B's: 8.33"), caption(QStringLiteral("Label14(1)")));
    EXPECT_EQ(QStringLiteral("%F's: 66.6"), caption(QStringLiteral("Label14(4)")));
}

TEST_F(GradebookWindowTest, GraphOfTheLowestSlotsStillShowsItsBars) {
    students[0].scores[0] = 10;
    students[0].scores[1] = 5;
    Form1& window = open_gradebook();
    // The bars drawn for student 0, each given as its left and right edge and its top.
    const auto bars = [&window] {
        window.student_graph(0);
        std::vector<QRect> areas;
        for (const auto& filled :
             window.findChild<ui::PictureBox*>(QStringLiteral("Picture1"))->rectangles()) {
            areas.push_back(filled.area);
        }
        return areas;
    };
    const auto bar = [](int left, int right, int top) {
        return QRect{QPoint{left, 825}, QPoint{right, top}}.normalized();
    };

    EXPECT_EQ(std::vector<QRect>{bar(1, 614, 5)}, bars());
    add_assignment(1, "Second", 10);
    EXPECT_EQ((std::vector<QRect>{bar(1, 614, 5), bar(616, 1229, 415)}), bars());
    asg_title[0].clear();
    EXPECT_EQ(std::vector<QRect>{bar(1, 614, 415)}, bars());
    // An assignment worth no points draws no bar but keeps its place.
    add_assignment(0, "Nothing", 0);
    EXPECT_EQ(std::vector<QRect>{bar(616, 1229, 415)}, bars());
    // Without any assignment the graph of the previous student goes away.
    asg_title[0].clear();
    asg_title[1].clear();
    EXPECT_EQ(std::vector<QRect>{}, bars());
}

} // namespace
} // namespace quillmark::testing
