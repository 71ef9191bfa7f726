#include "classdata/class_data.h"
#include "gradebook/assignment_editor.h"
#include "gradebook/gradebook_window.h"
#include "gradebook/student_editor.h"
#include "support/dialog_script.h"

#include <gtest/gtest.h>

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
    void enter(const char* name) const { QTest::keyClick(box(name), Qt::Key_Return); }
    void click(const char* name) const {
        QTest::mouseClick(editor->findChild<QPushButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }

    // The editor is gone and the gradebook is back.
    bool handed_back() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return editor.isNull() && gradebook->isVisible();
    }

    QPointer<Form1> gradebook;
    QPointer<QWidget> editor;
};

TEST_F(EditorTest, StudentIsAddedThroughEnterAndRemovedByClearingTheRequiredBoxes) {
    top_student = 10;
    open<Form2>(2);
    type("Text1", "Ana");
    type("Text2", "Lee");
    dialogs.expect_message(QStringLiteral("Required Information Missing!"), ui::Answer::ok,
                           ui::Icon::none);
    click("Command1");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ("", students[12].first_name);
    type("text3", "A-17");
    // The refusal's text is the class file's; the editor chooses the box and keeps the window
    // open. QTest types ASCII only.
    box("Text6")->setText(QStringLiteral("\u0141ukasz"));
    dialogs.expect_message(QStringLiteral("The class file cannot store the characters \"\u0141\". "
                                          "Please type them without accents or other marks."));
    click("Command1");
    dialogs.verify();
    EXPECT_EQ(box("Text6"), editor->focusWidget());
    EXPECT_FALSE(student_used(12));
    type("Text6", "glasses");
    enter("Text6");
    EXPECT_FALSE(student_used(12));
    enter("text3");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ(QStringLiteral("Lee Ana"),
              gradebook->findChild<QLineEdit*>(QStringLiteral("text3(2)"))->text());
    EXPECT_EQ("A-17 glasses", students[12].id_number + " " + students[12].notes);

    students[12].scores[0] = 9;
    students[12].scores[assignment_slots] = 5;
    open<Form2>(2);
    for (const char* name : {"Text1", "Text2", "text3"}) {
        box(name)->clear();
    }
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("", students[12].first_name + students[12].last_name + students[12].notes);
    // The spare score belongs to the class file reader alone.
    std::array<std::int16_t, assignment_slots + 1> only_spare{};
    only_spare[assignment_slots] = 5;
    EXPECT_EQ(only_spare, students[12].scores);
}

TEST_F(EditorTest, AssignmentIsAddedRefusedWithoutPointsAndRemovedFromEveryStudent) {
    left_assignment = 20;
    open<Form3>(3);
    type("Text1", "Quiz 1");
    type("Text2", "-5");
    dialogs.expect_message(QStringLiteral("Assignments must have a positive point value."),
                           ui::Answer::ok, ui::Icon::none);
    click("Command1");
    EXPECT_EQ(box("Text2"), editor->focusWidget());
    EXPECT_FALSE(assignment_used(23));
    enter("Text1");
    // Enter selects the whole box, so the three-character box takes the new value.
    QTest::keyClicks(box("Text2"), QStringLiteral("50"));
    enter("Text2");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ(QStringLiteral(" 50 pts."),
              gradebook->findChild<QLabel*>(QStringLiteral("Label17(3)"))->text());
    EXPECT_EQ("Quiz 1", asg_title[23]);

    asg_notes[23] = "open book";
    for (student_rec& student : students) {
        student.scores[23] = 8;
        student.scores[24] = 11;
    }
    open<Form3>(3);
    box("Text1")->clear();
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("", asg_title[23] + asg_notes[23]);
    EXPECT_EQ(100, asg_points[23]);
    for (std::int16_t s = 0; s < student_slots; ++s) {
        ASSERT_EQ(0, students[s].scores[23]);
        ASSERT_EQ(11, students[s].scores[24]);
    }
    // The spare student belongs to the class file reader alone.
    EXPECT_EQ(8, students[student_slots].scores[23]);
}

} // namespace
} // namespace quillmark
