#include "classdata/class_data.h"
#include "grading/ordering.h"
#include "support/class_fixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmark {
namespace {

using OrderingTest = testing::ClassFixture;

void add_student(std::int16_t slot, const std::string& first, const std::string& last,
                 std::array<std::int16_t, assignment_slots + 1> scores = {}) {
    students[slot] = {first, last, "id " + first + last, scores, "", "", ""};
}

// The given field of slots 0 to count - 1.
std::vector<std::string> column(std::string student_rec::*field, std::int16_t count) {
    std::vector<std::string> texts;
    for (std::int16_t s = 0; s < count; ++s) {
        texts.push_back(students[s].*field);
    }
    return texts;
}

TEST_F(OrderingTest, ByNameIgnoresCaseCarriesWholeRecordsAndCollectsEmptySlotsFirst) {
    add_student(0, "Sam", "smith", {7, excused});
    add_student(1, "Bea", "Brown");
    add_student(3, "Al", "adams");
    // Above the last used slot: never touched, even with a name that would sort first.
    students[4].last_name = "aaa";

    sort_by_name();

    EXPECT_EQ((std::vector<std::string>{"", "adams", "Brown", "smith", "aaa"}),
              column(&student_rec::last_name, 5));
    EXPECT_EQ("id Samsmith", students[3].id_number);
    EXPECT_EQ((std::array<std::int16_t, assignment_slots + 1>{7, excused}), students[3].scores);

    // Equal last names exchange places.
    clear_class();
    add_student(0, "John", "Smith");
    add_student(1, "Adam", "Smith");
    add_student(2, "Bo", "Brown");
    sort_by_name();
    EXPECT_EQ((std::vector<std::string>{"Bo", "Adam", "John"}),
              column(&student_rec::first_name, 3));
}

TEST_F(OrderingTest, ByAverageRanksEverySlotInRangeByItsScores) {
    clear_class();
    asg_title[0] = "Test";
    asg_title[1] = "Quiz";
    asg_points[1] = 10;
    add_student(0, "P", "", {50, excused});
    add_student(1, "Q", "", {50, excused});
    add_student(2, "R", "", {90, excused});
    sort_by_average();
    // Equal averages change places.
    EXPECT_EQ((std::vector<std::string>{"R", "Q", "P"}), column(&student_rec::first_name, 3));

    add_student(0, "Low", "", {20, 5});
    students[1] = {};
    students[1].scores = {100, 10}; // removed, its scores still stored
    add_student(2, "Mid", "", {70, 10});
    students[3].scores = {100, 10}; // above the last used slot
    sort_by_average();
    EXPECT_EQ((std::vector<std::string>{"", "Mid", "Low", ""}),
              column(&student_rec::first_name, 4));
    EXPECT_EQ((std::array<std::int16_t, assignment_slots + 1>{20, 5}), students[2].scores);
    EXPECT_EQ(100, students[3].scores[0]);
}

} // namespace
} // namespace quillmark
