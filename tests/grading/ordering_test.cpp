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
    students[4].last_name = "aaa"; // above the last used slot: never touched
    sort_by_name();
    EXPECT_EQ((std::vector<std::string>{"", "adams", "Brown", "smith", "aaa"}),
              column(&student_rec::last_name, 5));
    EXPECT_EQ("id Samsmith", students[3].id_number);
    EXPECT_EQ((std::array<std::int16_t, assignment_slots + 1>{7, excused}), students[3].scores);
}

TEST_F(OrderingTest, ByAverageRanksByPercentageAndEqualAveragesChangePlaces) {
    clear_class();
    asg_title[0] = "Test";
    asg_title[1] = "Quiz";
    asg_points[1] = 10;
    add_student(0, "P", "", {50, excused});
    add_student(1, "Q", "", {50, excused});
    add_student(2, "R", "", {90, excused});
    sort_by_average();
    EXPECT_EQ((std::vector<std::string>{"R", "Q", "P"}), column(&student_rec::first_name, 3));
}

} // namespace
} // namespace quillmark
