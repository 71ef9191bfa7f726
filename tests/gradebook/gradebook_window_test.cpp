#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "grid_fixture.h"
#include "ui/layout.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

namespace quillmark::testing {
namespace {

class GradebookWindowTest : public GridTest {
protected:
    QString title_box(int c) const {
        return control<QPlainTextEdit>(QStringLiteral("Text2(%1)").arg(c)).toPlainText();
    }
    QString name_box(int r) const {
        return control<QLineEdit>(QStringLiteral("text3(%1)").arg(r)).text();
    }
    QString numbered(const char* label, int i) const {
        return caption(QStringLiteral("%1(%2)").arg(QLatin1String{label}).arg(i));
    }
};

TEST_F(GradebookWindowTest, AnEmptyClassShowsOnlyRowAndColumnNumbers) {
    open_gradebook();

    EXPECT_EQ(QStringLiteral("Quillmark - [Algebra.cls]"), window_->windowTitle());
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(QString::number(i + 1), numbered("Label9", i));
        EXPECT_EQ(QString::number(i + 1), numbered("Label10", i));
        EXPECT_EQ(QString{}, title_box(i));
        EXPECT_EQ(QString{}, numbered("Label17", i));
        EXPECT_EQ(QString{}, name_box(i));
    }
    for (int k = 0; k < 100; ++k) {
        EXPECT_EQ(QString{}, score_box(k).text()) << k;
    }
    // Box 42 is row 4, column 2.
    EXPECT_EQ(ui::twips_rect(1710 + 990 * 2, 1035 + 300 * 4, 975, 285), score_box(42).geometry());
}

TEST_F(GradebookWindowTest, AMenuBarGoesAboveTheClientAreaWithoutMovingIt) {
    open_gradebook();
    auto& client = control<QWidget>(QStringLiteral("client"));
    const QSize client_size{ui::twips(11895), ui::twips(6135)};
    EXPECT_EQ(client_size, client.size());

    auto* menu_bar = new QMenuBar{window_};
    menu_bar->addMenu(QStringLiteral("File"));
    window_->layout()->setMenuBar(menu_bar);
    window_->layout()->activate();
    QApplication::processEvents();
    EXPECT_EQ(client_size, client.size());
    EXPECT_EQ(menu_bar->height(), client.y());
    EXPECT_EQ(client_size.height() + menu_bar->height(), window_->height());
}

TEST_F(GradebookWindowTest, RepaintShowsTitlesPointsNamesAndScoresOfUsedSlotsOnly) {
    add_assignment(0, "Chapter 1 Quiz", 100);
    add_assignment(1, "Penalty", -5);
    add_student(0, "Ada", "Lovelace", "A1");
    students[0].scores[0] = excused;
    students[0].scores[1] = 0;
    // An assignment without a title and a student without an ID show nothing, stored or not.
    students[0].scores[2] = 9;
    students[1].first_name = "No";
    students[1].last_name = "Id";
    students[1].scores[0] = 50;
    Form1& window = open_gradebook();

    EXPECT_EQ(QStringLiteral("Chapter 1 Quiz"), title_box(0));
    EXPECT_EQ(QStringLiteral(" 100 pts."), numbered("Label17", 0));
    EXPECT_EQ(QStringLiteral("-5 pts."), numbered("Label17", 1));
    EXPECT_EQ(QString{}, title_box(2));
    EXPECT_EQ(QStringLiteral("Lovelace Ada"), name_box(0));
    // Shown from its first letter, however long.
    EXPECT_EQ(0, control<QLineEdit>(QStringLiteral("text3(0)")).cursorPosition());
    EXPECT_EQ(QString{}, name_box(1));
    EXPECT_EQ(QStringLiteral("E"), score_box(0).text());
    EXPECT_EQ(QColor{Qt::blue}, score_box(0).palette().color(QPalette::Text));
    EXPECT_EQ(QStringLiteral("0"), score_box(1).text());
    EXPECT_EQ(QColor{Qt::red}, score_box(1).palette().color(QPalette::Text));
    EXPECT_EQ(QString{}, score_box(2).text());
    EXPECT_EQ(QString{}, score_box(10).text());
    EXPECT_EQ(excused, students[0].scores[0]);
    EXPECT_EQ(9, students[0].scores[2]);
    EXPECT_EQ(50, students[1].scores[0]);

    // What leaves the class leaves the grid at the next repaint.
    students[0].id_number.clear();
    asg_title[1].clear();
    students[0].scores[0] = 31;
    window.render_data();
    EXPECT_EQ(QString{}, name_box(0));
    EXPECT_EQ(QString{}, score_box(0).text());
    EXPECT_EQ(QString{}, title_box(1));
    EXPECT_EQ(QString{}, numbered("Label17", 1));
    EXPECT_EQ(31, students[0].scores[0]);
}

TEST_F(GradebookWindowTest, ScrollBarsReachTheLastStudentsAndAssignments) {
    add_student(290, "Zoe", "Early", "Z290");
    add_student(299, "Yan", "Last", "Z299");
    add_assignment(190, "Midterm", 50);
    add_assignment(199, "Final", 200);
    students[299].scores[199] = 180;
    students[290].scores[190] = 45;
    open_gradebook();

    auto& rows = control<QScrollBar>(QStringLiteral("VScroll1"));
    rows.setValue(rows.maximum());
    EXPECT_EQ(290, top_student);
    EXPECT_EQ(QStringLiteral("291"), numbered("Label10", 0));
    EXPECT_EQ(QStringLiteral("300"), numbered("Label10", 9));
    EXPECT_EQ(QStringLiteral("Early Zoe"), name_box(0));
    EXPECT_EQ(QStringLiteral("Last Yan"), name_box(9));

    auto& columns = control<QScrollBar>(QStringLiteral("HScroll1"));
    columns.setValue(columns.maximum());
    EXPECT_EQ(190, left_assignment);
    EXPECT_EQ(QStringLiteral("191"), numbered("Label9", 0));
    EXPECT_EQ(QStringLiteral("200"), numbered("Label9", 9));
    EXPECT_EQ(QStringLiteral("Midterm"), title_box(0));
    EXPECT_EQ(QStringLiteral("Final"), title_box(9));
    EXPECT_EQ(QStringLiteral(" 200 pts."), numbered("Label17", 9));
    EXPECT_EQ(QStringLiteral("45"), score_box(0).text());
    EXPECT_EQ(QStringLiteral("180"), score_box(99).text());

    columns.triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(185, left_assignment);
    EXPECT_EQ(QStringLiteral("Midterm"), title_box(5));
}

TEST_F(GradebookWindowTest, MouseOverTitleNameAndBackgroundSetsTheWindowTitle) {
    add_assignment(0, "Lab", 10, "Bring goggles");
    add_assignment(1, "Quiz", 10);
    add_student(0, "Ada", "Lovelace", "A1", "555-0101");
    open_gradebook();

    hover(control<QPlainTextEdit>(QStringLiteral("Text2(0)")));
    EXPECT_EQ(QStringLiteral("Quillmark (Notes: Bring goggles)"), window_->windowTitle());
    hover(control<QPlainTextEdit>(QStringLiteral("Text2(1)")));
    EXPECT_EQ(QStringLiteral("Quillmark"), window_->windowTitle());

    hover(control<QLineEdit>(QStringLiteral("text3(0)")));
    EXPECT_EQ(QStringLiteral("Quillmark     (Name: Ada Lovelace") + QString(11, u' ') +
                  QStringLiteral("ID #: A1") + QString(10, u' ') +
                  QStringLiteral("Tel #: 555-0101)"),
              window_->windowTitle());
    hover(control<QLineEdit>(QStringLiteral("text3(4)")));
    EXPECT_EQ(QStringLiteral("Quillmark     (Name: ") + QString(12, u' ') +
                  QStringLiteral("ID #: ") + QString(10, u' ') + QStringLiteral("Tel #: )"),
              window_->windowTitle());

    hover(control<QLabel>(QStringLiteral("Image1")));
    EXPECT_EQ(QStringLiteral("Quillmark - [Algebra.cls]"), window_->windowTitle());
}

TEST_F(GradebookWindowTest, ClicksOnTitleAndNameBoxesSelectForAnalysis) {
    add_assignment(3, "Essay", 40);
    add_student(4, "Grace", "Hopper", "G4");
    open_gradebook();

    QTest::mouseClick(&control<QPlainTextEdit>(QStringLiteral("Text2(3)")), Qt::LeftButton);
    EXPECT_EQ(3, selected_assignment);
    EXPECT_EQ(QStringLiteral("Essay"), caption(QStringLiteral("Label19")));
    QTest::mouseClick(&control<QLineEdit>(QStringLiteral("text3(4)")), Qt::LeftButton);
    EXPECT_EQ(4, selected_student);
    EXPECT_EQ(QStringLiteral("Grace Hopper"), caption(QStringLiteral("Label18")));

    // Empty boxes change neither the panels nor the selection.
    QTest::mouseClick(&control<QPlainTextEdit>(QStringLiteral("Text2(5)")), Qt::LeftButton);
    QTest::mouseClick(&control<QLineEdit>(QStringLiteral("text3(2)")), Qt::LeftButton);
    EXPECT_EQ(3, selected_assignment);
    EXPECT_EQ(4, selected_student);
    EXPECT_EQ(QStringLiteral("Essay"), caption(QStringLiteral("Label19")));
    EXPECT_EQ(QStringLiteral("Grace Hopper"), caption(QStringLiteral("Label18")));

    // The boxes stand for the slots under them, wherever the grid is scrolled.
    control<QScrollBar>(QStringLiteral("HScroll1")).setValue(2);
    control<QScrollBar>(QStringLiteral("VScroll1")).setValue(3);
    selected_assignment = 0;
    selected_student = 0;
    QTest::mouseClick(&control<QPlainTextEdit>(QStringLiteral("Text2(1)")), Qt::LeftButton);
    QTest::mouseClick(&control<QLineEdit>(QStringLiteral("text3(1)")), Qt::LeftButton);
    EXPECT_EQ(3, selected_assignment);
    EXPECT_EQ(4, selected_student);
}

TEST_F(GradebookWindowTest, BackgroundPictureIsOptionalAndItsClickCentresTheWindow) {
    open_gradebook();
    EXPECT_TRUE(control<QLabel>(QStringLiteral("Image1")).pixmap().isNull());
    window_->close();

    QImage picture{8, 8, QImage::Format_RGB32};
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(QString::fromStdString((folder() / "back.bmp").string()), "BMP"));
    open_gradebook();
    auto& background = control<QLabel>(QStringLiteral("Image1"));
    EXPECT_FALSE(background.pixmap().isNull());

    window_->move(40, 30);
    QApplication::processEvents();
    QTest::mouseClick(&background, Qt::LeftButton, {}, QPoint{5, 5});
    QApplication::processEvents();
    EXPECT_EQ(window_->screen()->geometry().center(), window_->frameGeometry().center());
}

} // namespace
} // namespace quillmark::testing

namespace quillmark::testing {
namespace {

QWidget* shown_window(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

TEST_F(GradebookWindowTest, DoubleClicksOpenTheEditorsOfTheSlotsUnderThem) {
    add_student(12, "Grace", "Hopper", "G12");
    Form1& gradebook = open_gradebook();
    control<QScrollBar>(QStringLiteral("VScroll1")).setValue(10);
    control<QScrollBar>(QStringLiteral("HScroll1")).setValue(4);

    QTest::mouseDClick(&control<QPlainTextEdit>(QStringLiteral("Text2(1)")), Qt::LeftButton);
    EXPECT_FALSE(gradebook.isVisible());
    QWidget* assignment_editor = shown_window("Form3");
    ASSERT_NE(nullptr, assignment_editor);
    auto* title = assignment_editor->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClicks(title, QStringLiteral("Essay"));
    QTest::keyClick(title, Qt::Key_Return);
    QTest::keyClick(assignment_editor->findChild<QLineEdit*>(QStringLiteral("Text2")),
                    Qt::Key_Return);
    EXPECT_EQ("Essay", asg_title[5]);
    EXPECT_TRUE(gradebook.isVisible());
    EXPECT_EQ(QStringLiteral("Essay"), title_box(1));

    QTest::mouseDClick(&control<QLineEdit>(QStringLiteral("text3(2)")), Qt::LeftButton);
    QWidget* student_editor = shown_window("Form2");
    ASSERT_NE(nullptr, student_editor);
    EXPECT_EQ(QStringLiteral("Grace"),
              student_editor->findChild<QLineEdit*>(QStringLiteral("Text1"))->text());
    QTest::mouseClick(student_editor->findChild<QWidget*>(QStringLiteral("Command2")),
                      Qt::LeftButton);
    EXPECT_TRUE(gradebook.isVisible());
}

TEST_F(GradebookWindowTest, OrderingButtonsReorderAndRepaint) {
    add_assignment(0, "Quiz", 10);
    add_student(0, "Sam", "Smith", "1");
    add_student(1, "Ada", "Adams", "2");
    students[0].scores[0] = 9;
    students[1].scores[0] = 5;
    open_gradebook();

    QTest::mouseClick(&control<QWidget>(QStringLiteral("Command2")), Qt::LeftButton);
    EXPECT_EQ(QStringLiteral("Adams Ada"), name_box(0));
    EXPECT_EQ(QStringLiteral("5"), score_box(0).text());

    QTest::mouseClick(&control<QWidget>(QStringLiteral("Command3")), Qt::LeftButton);
    EXPECT_EQ(QStringLiteral("Smith Sam"), name_box(0));
    EXPECT_EQ(QStringLiteral("9"), score_box(0).text());
}

} // namespace
} // namespace quillmark::testing
