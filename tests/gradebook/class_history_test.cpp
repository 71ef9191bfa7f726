#include "classdata/class_data.h"
#include "gradebook/class_history.h"
#include "gradebook/step_captions.h"
#include "grading/curve.h"
#include "grading/ordering.h"
#include "support/class_fixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace quillmark {
namespace {

// Where the class data differs from a snapshot, or "" where it does not.
std::string first_difference(const ClassSnapshot& expected) {
    const ClassSnapshot now = capture_class();
    const auto fields = [](const student_rec& r) {
        return std::tie(r.first_name, r.last_name, r.id_number, r.telephone, r.address, r.notes,
                        r.scores);
    };
    for (std::size_t s = 0; s < now.students.size(); ++s) {
        if (fields(expected.students[s]) != fields(now.students[s])) {
            return "student " + std::to_string(s);
        }
    }
    if (expected.asg_title != now.asg_title || expected.asg_points != now.asg_points ||
        expected.asg_notes != now.asg_notes) {
        return "assignments";
    }
    return expected.settings == now.settings ? "" : "settings";
}

void add_student(std::int16_t slot, const std::string& first, const std::string& last) {
    students[slot].first_name = first;
    students[slot].last_name = last;
    students[slot].id_number = "id" + std::to_string(slot);
}

class ClassHistoryTest : public testing::ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        clear_class();
        instructor = "T. Lee";
        asg_title[0] = "Quiz 3";
        asg_points[0] = 20;
        asg_title[1] = "Essay 1";
        add_student(0, "Ann", "Lee");
        add_student(1, "Bo", "Adams");
        add_student(2, "Cy", "Zorn");
        students[0].scores = {18, excused};
        students[1].scores = {12, 95};
        students[2].scores = {excused, 70};
    }

    // Makes the change and stores it as a step; the class data afterwards.
    template <typename Change> ClassSnapshot step(const std::string& caption, Change change) {
        const ClassSnapshot before = capture_class();
        change();
        EXPECT_TRUE(history.record_step(caption, before)) << caption;
        return capture_class();
    }

    ClassHistory history;
};

// Every kind of change the gradebook makes, and some that the windows never make alone, in a
// seeded random sequence: undoing walks back through each state exactly, redoing forward again.
TEST_F(ClassHistoryTest, UndoAndRedoWalkThroughEveryStateExactly) {
    std::mt19937 random{20261206};
    const auto pick = [&random](int below) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>{0, below - 1}(random));
    };
    const std::vector<std::function<void()>> changes{
        [&] { students[pick(6)].scores[pick(3)] = pick(3) == 0 ? excused : pick(120); },
        [&] {
            add_student(pick(6), "N" + std::to_string(pick(50)), "L" + std::to_string(pick(9)));
        },
        [&] { students[pick(6)] = {}; },
        [&] { students[pick(6)].notes = "note " + std::to_string(pick(9)); },
        [] { sort_by_name(); },
        [] { sort_by_average(); },
        [&] { lcurve(pick(2), pick(10) - 3); },
        [&] {
            const std::int16_t a = pick(3);
            asg_title[a] = pick(4) == 0 ? "" : "T" + std::to_string(pick(9));
            asg_points[a] = static_cast<std::int16_t>(pick(100) + 1);
            asg_notes[a] = "n" + std::to_string(pick(9));
        },
        [&] {
            grade_scale[pick(12)] = static_cast<std::int16_t>(pick(70) + 30);
            use_plus = !use_plus;
        },
        [&] { instructor = "I" + std::to_string(pick(9)); },
        // The spare elements and the ends of the arrays are kept too.
        [&] { students[student_slots].scores[assignment_slots] = pick(9); },
    };

    std::vector<ClassSnapshot> states{capture_class()};
    while (states.size() < 60) {
        const ClassSnapshot before = capture_class();
        changes[pick(static_cast<int>(changes.size()))]();
        if (history.record_step("step " + std::to_string(states.size()), before)) {
            states.push_back(capture_class());
        } else {
            EXPECT_EQ("", first_difference(before)) << "a change went unrecorded";
        }
    }

    for (std::size_t k = states.size() - 1; k > 0; --k) {
        EXPECT_EQ("step " + std::to_string(k), history.undo_caption());
        ASSERT_TRUE(history.undo());
        ASSERT_EQ("", first_difference(states[k - 1])) << "undo of step " << k;
    }
    EXPECT_FALSE(history.undo());
    EXPECT_EQ("", history.undo_caption());
    EXPECT_EQ("", first_difference(states[0]));

    for (std::size_t k = 1; k < states.size(); ++k) {
        EXPECT_EQ("step " + std::to_string(k), history.redo_caption());
        ASSERT_TRUE(history.redo());
        ASSERT_EQ("", first_difference(states[k])) << "redo of step " << k;
    }
    EXPECT_FALSE(history.redo());
    EXPECT_EQ("", history.redo_caption());
}

TEST_F(ClassHistoryTest, ANewStepAfterUndoDropsTheUndoneOnesButANoOpKeepsThem) {
    const ClassSnapshot start = capture_class();
    const ClassSnapshot curved = step("Curve of 'Quiz 3'", [] { lcurve(0, 2); });
    step("Sort by Name", [] { sort_by_name(); });
    ASSERT_TRUE(history.undo());
    EXPECT_EQ("Sort by Name", history.redo_caption());

    // Sorting students already in order changes nothing.
    EXPECT_FALSE(history.record_step("Sort by Average", capture_class()));
    EXPECT_EQ("Curve of 'Quiz 3'", history.undo_caption());
    EXPECT_EQ("Sort by Name", history.redo_caption());

    const ClassSnapshot renamed = step("Instructor Name", [] { instructor = "Dr. Lee"; });
    EXPECT_FALSE(history.can_redo());
    ASSERT_TRUE(history.undo());
    EXPECT_EQ("", first_difference(curved));
    ASSERT_TRUE(history.undo());
    EXPECT_EQ("", first_difference(start));
    ASSERT_TRUE(history.redo());
    ASSERT_TRUE(history.redo());
    EXPECT_EQ("", first_difference(renamed));
    EXPECT_FALSE(history.redo());

    history.clear();
    EXPECT_FALSE(history.can_undo());
    EXPECT_EQ("", first_difference(renamed));
}

TEST_F(ClassHistoryTest, KeepsTheLastTwoHundredStepsAndDropsTheOldest) {
    std::optional<ClassSnapshot> after_five;
    for (int k = 1; k <= 205; ++k) {
        step("score " + std::to_string(k),
             [k] { students[1].scores[2] = static_cast<std::int16_t>(k); });
        if (k == 5) {
            after_five = capture_class();
        }
    }
    int undone = 0;
    while (history.undo()) {
        ++undone;
    }
    EXPECT_EQ(200, undone);
    // Back to where step 6, the oldest kept, began.
    EXPECT_EQ("", first_difference(*after_five));
    EXPECT_EQ("score 6", history.redo_caption());
}

// The window tests read the usual captions; a class file may also hold a student with one name,
// or none.
TEST_F(ClassHistoryTest, CaptionsNameAStudentByWhatTheRecordHolds) {
    student_rec renamed = students[0];
    renamed.first_name.clear();
    EXPECT_EQ("Edit of Lee", student_step(students[0], renamed));
    renamed.last_name.clear();
    EXPECT_EQ("Edit of id0", student_step(students[0], renamed));
    EXPECT_EQ("Removal of Ann Lee", student_step(students[0], students[5]));
}

} // namespace
} // namespace quillmark
