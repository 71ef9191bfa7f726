#include "classdata/class_data.h"
#include "support/class_fixture.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using ClassDataTest = testing::ClassFixture;

TEST_F(ClassDataTest, LastSlotsAreTheHighestUsedOnesAndZeroForAnEmptyClass) {
    clear_class();
    EXPECT_EQ(0, last_student());
    EXPECT_EQ(0, last_assignment());

    students[5].id_number = "5";
    students[17].id_number = "17";
    // Names and titles alone do not use a slot, nor do the spare elements.
    students[250].first_name = "Ann";
    students[student_slots].id_number = "spare";
    asg_title[199] = "Final";
    asg_notes[150] = "no title";
    asg_title[assignment_slots] = "spare";
    EXPECT_EQ(17, last_student());
    EXPECT_EQ(199, last_assignment());
}

TEST_F(ClassDataTest, ClearingKeepsTheInstructorTheRunAndTheSpareElements) {
    students[3] = {"Ann", "Lee", "3", {}, "555", "Elm St", "glasses"};
    students[3].scores[7] = 12;
    students[3].scores[assignment_slots] = 9;
    students[student_slots].id_number = "spare";
    students[student_slots].scores[0] = 8;
    asg_title[7] = "Quiz";
    asg_notes[7] = "open book";
    asg_points[7] = 20;
    asg_title[assignment_slots] = "spare";
    asg_points[assignment_slots] = 7;
    grade_scale.fill(50);
    use_plus = use_minus = true;
    instructor = "Mr. Park";
    class_file = "Period 1.cls";
    password = "secret";
    top_student = 40;
    left_assignment = 30;
    edit_slot = 4;
    selected_student = 3;
    selected_assignment = 7;
    console_locked = list_by_name = true;

    clear_class();

    const student_rec& cleared = students[3];
    EXPECT_EQ("", cleared.first_name + cleared.last_name + cleared.id_number + cleared.telephone +
                      cleared.address + cleared.notes);
    EXPECT_EQ(0, cleared.scores[7]);
    EXPECT_EQ("", asg_title[7] + asg_notes[7]);
    EXPECT_EQ(100, asg_points[7]);
    EXPECT_EQ((std::array<std::int16_t, 14>{0, 90, 0, 0, 80, 0, 0, 70, 0, 0, 60, 0, 50, 50}),
              grade_scale);
    EXPECT_FALSE(use_plus || use_minus);
    EXPECT_EQ(0, top_student + left_assignment);

    EXPECT_EQ(9, cleared.scores[assignment_slots]);
    EXPECT_EQ("spare", students[student_slots].id_number);
    EXPECT_EQ(8, students[student_slots].scores[0]);
    EXPECT_EQ("spare", asg_title[assignment_slots]);
    EXPECT_EQ(7, asg_points[assignment_slots]);
    EXPECT_EQ("Mr. Park Period 1.cls secret", instructor + " " + class_file + " " + password);
    EXPECT_EQ(4, edit_slot);
    EXPECT_EQ(3, selected_student);
    EXPECT_EQ(7, selected_assignment);
    EXPECT_TRUE(console_locked && list_by_name);
}

} // namespace
} // namespace quillmark
