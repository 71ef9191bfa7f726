#include "classdata/class_data.h"
#include "gradebook/assignment_editor.h"
#include "gradebook/gradebook_window.h"
#include "gradebook/student_editor.h"
#include "support/dialog_script.h"

#include <gtest/gtest.h>

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

// A refusal keeps the window open on the box to mend;
// clearing the required boxes removes the student, but the spare score belongs to the class file
// reader alone.
TEST_F(EditorTest, StudentEditorRefusesInPlaceAndRemovesOnClearedRequiredBoxes) {
    top_student = 10;
    students[12] = {"Ana", "Lee", "A-17", {}, "", "", "glasses"};
    students[12].scores[0] = 9;
    students[12].scores[assignment_slots] = 5;
    open<Form2>(2);
    box("text3")->clear();
    dialogs.expect_message(QStringLiteral("Required Information Missing!"), ui::Answer::ok,
                           ui::Icon::none);
    click("Command1");
    dialogs.verify();
    EXPECT_EQ("A-17", students[12].id_number);
    box("text3")->setText(QStringLiteral("A-17"));
    // QTest types ASCII only.
    box("Text6")->setText(QStringLiteral("\u0141ukasz"));
    dialogs.expect_message(QStringLiteral("The class file cannot store the characters \"\u0141\". "
                                          "Please type them without accents or other marks."));
    click("Command1");
    dialogs.verify();
    EXPECT_EQ(box("Text6"), editor->focusWidget());
    EXPECT_EQ("glasses", students[12].notes);

    for (const char* name : {"Text1", "Text2", "text3"}) {
        box(name)->clear();
    }
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("", students[12].first_name + students[12].last_name + students[12].notes);
    std::array<std::int16_t, assignment_slots + 1> only_spare{};
    only_spare[assignment_slots] = 5;
    EXPECT_EQ(only_spare, students[12].scores);
}

// A point value of 0 or below is refused in its box; a removal clears the assignment's scores of
// every student, but the spare student belongs to the class file reader alone.
TEST_F(EditorTest, AssignmentEditorRefusesNoPointsAndRemovalClearsEveryStudentsScores) {
    left_assignment = 20;
    asg_title[23] = "Quiz 1";
    asg_points[23] = 50;
    asg_notes[23] = "open book";
    for (student_rec& student : students) {
        student.scores[23] = 8;
        student.scores[24] = 11;
    }
    open<Form3>(3);
    box("Text2")->setText(QStringLiteral("-5"));
    dialogs.expect_message(QStringLiteral("Assignments must have a positive point value."),
                           ui::Answer::ok, ui::Icon::none);
    click("Command1");
    dialogs.verify();
    EXPECT_EQ(box("Text2"), editor->focusWidget());
    EXPECT_EQ(50, asg_points[23]);
    box("Text1")->clear();
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("", asg_title[23] + asg_notes[23]);
    EXPECT_EQ(100, asg_points[23]);
    for (std::int16_t s = 0; s < student_slots; ++s) {
        ASSERT_EQ(0, students[s].scores[23]);
        ASSERT_EQ(11, students[s].scores[24]);
    }
    EXPECT_EQ(8, students[student_slots].scores[23]);
}

} // namespace
} // namespace quillmark
