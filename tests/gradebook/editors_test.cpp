#include "classdata/class_data.h"
#include "gradebook/assignment_editor.h"
#include "gradebook/gradebook_window.h"
#include "gradebook/student_editor.h"
#include "support/dialog_script.h"

#include <gtest/gtest.h>
#include <string>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace quillmark {
namespace {

class EditorTest : public testing::GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        clear_class();
        gradebook = new Form1;
        gradebook->hide();
    }

    template <typename Editor> void open(std::int16_t grid_slot) {
        gradebook->hide();
        edit_slot = grid_slot;
        auto* window = new Editor{*gradebook};
        window->load();
        editor = window;
    }

    QLineEdit* box(const char* name) const {
        return editor->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    void type(const char* name, const char* text) const {
        box(name)->clear();
        QTest::keyClicks(box(name), QString::fromLatin1(text));
    }
    void click(const char* name) const {
        QTest::mouseClick(editor->findChild<QPushButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }
    void enter(const char* name) const { QTest::keyClick(box(name), Qt::Key_Return); }

    // The editor is gone and the gradebook is back.
    bool handed_back() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return editor.isNull() && gradebook->isVisible();
    }

    QPointer<Form1> gradebook;
    QPointer<QWidget> editor;
};

TEST_F(EditorTest, StudentIsAddedThroughEnterThenRemoved) {
    top_student = 10;
    open<Form2>(2);
    EXPECT_EQ(box("Text1"), editor->focusWidget());
    type("Text1", "Ana");
    enter("Text1");
    EXPECT_EQ(box("Text2"), editor->focusWidget());
    // QTest types ASCII only.
    box("Text2")->setText(QStringLiteral("M\u00fcller"));
    QTest::keyClick(box("Text2"), Qt::Key_Enter);
    EXPECT_EQ(box("text3"), editor->focusWidget());
    type("text3", "A-17");
    type("Text4", "555-0100");
    enter("Text4");
    type("Text6", "glasses");
    enter("Text6");
    EXPECT_FALSE(student_used(12));
    enter("text3");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ(QStringLiteral("M\u00fcller Ana"),
              gradebook->findChild<QLineEdit*>(QStringLiteral("text3(2)"))->text());
    EXPECT_EQ("Ana M\xFCller A-17 555-0100  glasses",
              students[12].first_name + " " + students[12].last_name + " " +
                  students[12].id_number + " " + students[12].telephone + " " +
                  students[12].address + " " + students[12].notes);

    students[12].scores[0] = 9;
    students[12].scores[200] = 3;
    open<Form2>(2);
    for (const char* name : {"Text1", "Text2", "text3"}) {
        box(name)->clear();
    }
    click("Command1");
    EXPECT_TRUE(handed_back());
    const student_rec& removed = students[12];
    EXPECT_EQ("", removed.first_name + removed.last_name + removed.id_number + removed.telephone +
                      removed.address + removed.notes);
    EXPECT_EQ((std::array<std::int16_t, assignment_slots + 1>{}), removed.scores);
}

TEST_F(EditorTest, StudentNeedsAllThreeRequiredBoxesOrNone) {
    open<Form2>(0);
    type("Text1", "Ana");
    type("Text2", "Lee");
    dialogs.expect_message(QStringLiteral("Required Information Missing!"), ui::Answer::ok,
                           ui::Icon::none);
    click("Command1");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(gradebook->isVisible());
    EXPECT_EQ(QStringLiteral("Lee"), box("Text2")->text());
    EXPECT_EQ("", students[0].first_name);

    // Nothing is trimmed: a blank counts as filled.
    type("text3", " ");
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ(" ", students[0].id_number);

    open<Form2>(1);
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_FALSE(student_used(1));
}

TEST_F(EditorTest, AssignmentIsAddedThroughEnterThenEdited) {
    left_assignment = 20;
    open<Form3>(3);
    EXPECT_EQ(QStringLiteral("|100|"),
              box("Text1")->text() + "|" + box("Text2")->text() + "|" + box("text3")->text());
    type("Text1", "Quiz 1");
    enter("Text1");
    EXPECT_EQ(box("Text2"), editor->focusWidget());
    enter("text3");
    EXPECT_TRUE(editor->isVisible());
    enter("Text2");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ(QStringLiteral(" 100 pts."),
              gradebook->findChild<QLabel*>(QStringLiteral("Label17(3)"))->text());
    EXPECT_EQ("Quiz 1", asg_title[23]);
    EXPECT_EQ(100, asg_points[23]);

    students[4].scores[23] = 8;
    open<Form3>(3);
    type("Text2", "10");
    type("text3", "open book");
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("Quiz 1 open book", asg_title[23] + " " + asg_notes[23]);
    EXPECT_EQ(10, asg_points[23]);
    EXPECT_EQ(8, students[4].scores[23]);
}

TEST_F(EditorTest, AssignmentPointsAreRoundedHalvesToEvenAndUnreadableOnesAre100) {
    const std::pair<const char*, std::int16_t> cases[] = {
        {"abc", 100}, {"", 100}, {"2.5", 2}, {"3.5", 4}};
    for (const auto& [typed, stored] : cases) {
        open<Form3>(0);
        type("Text1", "Quiz");
        type("Text2", typed);
        click("Command1");
        EXPECT_TRUE(handed_back()) << typed;
        EXPECT_EQ(stored, asg_points[0]) << typed;
    }
}

TEST_F(EditorTest, AssignmentRefusesPointsThatAreNotPositiveAfterRounding) {
    asg_title[0] = "Quiz";
    asg_points[0] = 20;
    open<Form3>(0);
    type("Text1", "Renamed");
    for (const char* typed : {"0", "-5", "0.4", "9e9"}) {
        type("Text2", typed);
        dialogs.expect_message(QStringLiteral("Assignments must have a positive point value."),
                               ui::Answer::ok, ui::Icon::none);
        click("Command1");
        EXPECT_TRUE(editor->isVisible()) << typed;
        EXPECT_EQ(QString{}, box("Text2")->text()) << typed;
        EXPECT_EQ(box("Text2"), editor->focusWidget()) << typed;
        EXPECT_EQ("Quiz", asg_title[0]) << typed;
        EXPECT_EQ(20, asg_points[0]) << typed;
    }
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("Renamed", asg_title[0]);
    EXPECT_EQ(100, asg_points[0]);
}

TEST_F(EditorTest, AssignmentRemovalClearsItsColumnForEveryStudent) {
    asg_title[5] = "Essay";
    asg_notes[5] = "typed";
    asg_points[5] = 40;
    for (student_rec& student : students) {
        student.scores[5] = 30;
        student.scores[6] = 11;
    }
    left_assignment = 5;
    open<Form3>(0);
    box("Text1")->clear();
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("", asg_title[5] + asg_notes[5]);
    EXPECT_EQ(100, asg_points[5]);
    for (const student_rec& student : students) {
        ASSERT_EQ(0, student.scores[5]);
        ASSERT_EQ(11, student.scores[6]);
    }
}

TEST_F(EditorTest, EditorsStoreOnlyThroughOkAndNeverCutStoredTextsShort) {
    const std::string long_name(40, 'x');
    students[0] = {long_name, "Lee", "12345678901", {}, "555", "", ""};
    asg_title[0] = "Quiz";
    asg_points[0] = 1000;
    open<Form2>(0);
    type("Text2", "Changed");
    click("Command2");
    EXPECT_TRUE(handed_back());
    open<Form3>(0);
    EXPECT_EQ(QStringLiteral("1000"), box("Text2")->text());
    type("Text2", "5");
    editor->close();
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("Lee", students[0].last_name);
    EXPECT_EQ(1000, asg_points[0]);

    open<Form2>(0);
    click("Command1");
    EXPECT_TRUE(handed_back());
    open<Form3>(0);
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ(long_name + " 12345678901", students[0].first_name + " " + students[0].id_number);
    EXPECT_EQ(1000, asg_points[0]);
}

} // namespace
} // namespace quillmark
