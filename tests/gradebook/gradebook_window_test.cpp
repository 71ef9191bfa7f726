#include "classdata/class_data.h"
#include "grid_fixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace quillmark::testing {
namespace {

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
    open_gradebook();

    EXPECT_EQ((QStringList{"Chapter 1 Quiz", " 100 pts.", "-5 pts.", "Lovelace Ada", "31", "", ""}),
              (QStringList{title_box(0).toPlainText(), numbered("Label17", 0),
                           numbered("Label17", 1), name_box(0).text(), score_box(0).text(),
                           score_box(2).text(), name_box(1).text()}));

    scroll_bar("VScroll1").setValue(scroll_bar("VScroll1").maximum());
    scroll_bar("HScroll1").setValue(scroll_bar("HScroll1").maximum());
    EXPECT_EQ((QStringList{"300", "Last Yan", "200", " 200 pts.", "180"}),
              (QStringList{numbered("Label10", 9), name_box(9).text(), numbered("Label9", 9),
                           numbered("Label17", 9), score_box(99).text()}));
}

TEST_F(GradebookWindowTest, TypedScoresAreStoredAtOnceColouredRefusedAndKeptToFourCharacters) {
    open_gradebook();
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
        EXPECT_EQ(QColor{row.colour}, box.palette().color(QPalette::Text)) << row.typed;
    }

    dialogs.expect_message(QStringLiteral("Please enter a numeric value."), ui::Answer::ok,
                           ui::Icon::information);
    retype(box, QStringLiteral("e"));
    EXPECT_EQ(&box, QApplication::focusWidget());
    EXPECT_EQ(5, students[0].scores[0]);

    retype(box, QStringLiteral("98765"));
    EXPECT_EQ(QStringLiteral("9876"), box.text());
    EXPECT_EQ(9876, students[0].scores[0]);
}

TEST_F(GradebookWindowTest, PanelsShowClassDataAsPlainText) {
    add_assignment(0, "<b>Unit 3</b> test", 1000);
    add_student(0, "<i>Ada</i>", "Lovelace", "A1");
    students[0].scores[0] = 855;
    Form1& window = open_gradebook();
    window.a_analysis(0);
    window.s_analysis(0);

    // Markup drawn as such would take less room than its text with the tags.
    for (const char* name : {"Label19", "Label18"}) {
        const QLabel& label = control<QLabel>(QLatin1String{name});
        EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), label.sizeHint().width())
            << name;
    }
    EXPECT_EQ((QStringList{"<b>Unit 3</b> test", "<i>Ada</i> Lovelace", "Average: 85.5%"}),
              (QStringList{caption(QStringLiteral("Label19")), caption(QStringLiteral("Label18")),
                           caption(QStringLiteral("Label4"))}));
}

} // namespace
} // namespace quillmark::testing
