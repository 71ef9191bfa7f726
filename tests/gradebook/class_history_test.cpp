#include "classdata/class_data.h"
#include "gradebook/class_history.h"
#include "grading/curve.h"
#include "grading/ordering.h"
#include "support/class_fixture.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace quillmark {
namespace {

bool holds(const ClassSnapshot& expected) {
    const ClassSnapshot now = capture_class();
    const auto fields = [](const student_rec& r) {
        return std::tie(r.first_name, r.last_name, r.id_number, r.telephone, r.address, r.notes,
                        r.scores);
    };
    return std::ranges::equal(expected.students, now.students, {}, fields, fields) &&
           std::tie(expected.asg_title, expected.asg_points, expected.asg_notes,
                    expected.settings) ==
               std::tie(now.asg_title, now.asg_points, now.asg_notes, now.settings);
}

class ClassHistoryTest : public testing::ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        clear_class();
        asg_title[0] = "Quiz 3";
        asg_title[1] = "Essay 1";
        students[0] = {"Ann", "Lee", "1", {18, excused}, "", "", ""};
        students[1] = {"Bo", "Adams", "2", {12, 95}, "", "", ""};
        students[2] = {"Cy", "Zorn", "3", {excused, 70}, "", "", ""};
    }

    ClassHistory history;
};

// Every kind of change the gradebook makes, and some that the windows never make alone, in a
// seeded random sequence: undoing walks back through each state of the last 200 steps exactly,
// redoing forward again.
TEST_F(ClassHistoryTest, UndoAndRedoWalkThroughTheLastTwoHundredStatesExactly) {
    std::mt19937 random{20261206};
    const auto pick = [&random](int below) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>{0, below - 1}(random));
    };
    const auto text = [&pick](const char* start) { return start + std::to_string(pick(9)); };
    const std::vector<std::function<void()>> changes{
        [&] { students[pick(6)].scores[pick(3)] = pick(3) == 0 ? excused : pick(120); },
        [&] { students[pick(6)] = {text("N"), text("L"), text("i"), {}, "", "", text("n")}; },
        [&] { students[pick(6)] = {}; },
        [] { sort_by_name(); },
        [] { sort_by_average(); },
        [&] { lcurve(pick(2), pick(10) - 3); },
        [&] {
            const std::int16_t a = pick(3);
            asg_title[a] = pick(4) == 0 ? "" : text("T");
            asg_points[a] = static_cast<std::int16_t>(pick(100) + 1);
            asg_notes[a] = text("n");
        },
        [&] {
            grade_scale[pick(12)] = static_cast<std::int16_t>(pick(70) + 30);
            use_plus = !use_plus;
            instructor = text("I");
        },
        // The spare elements and the ends of the arrays are kept too.
        [&] { students[student_slots].scores[assignment_slots] = pick(9); },
    };

    std::vector<ClassSnapshot> states{capture_class()};
    while (states.size() < 206) {
        const ClassSnapshot before = capture_class();
        changes[pick(static_cast<int>(changes.size()))]();
        if (history.record_step("step " + std::to_string(states.size()), before)) {
            states.push_back(capture_class());
        } else {
            EXPECT_TRUE(holds(before)) << "a change went unrecorded";
        }
    }

    for (std::size_t k = states.size() - 1; k > 5; --k) {
        EXPECT_EQ("step " + std::to_string(k), history.undo_caption());
        ASSERT_TRUE(history.undo());
        ASSERT_TRUE(holds(states[k - 1])) << "undo of step " << k;
    }
    // The oldest steps are gone.
    EXPECT_FALSE(history.undo());
    EXPECT_EQ("", history.undo_caption());
    for (std::size_t k = 6; k < states.size(); ++k) {
        EXPECT_EQ("step " + std::to_string(k), history.redo_caption());
        ASSERT_TRUE(history.redo());
        ASSERT_TRUE(holds(states[k])) << "redo of step " << k;
    }
    EXPECT_FALSE(history.redo());
    EXPECT_EQ("", history.redo_caption());
}

} // namespace
} // namespace quillmark
