#include "classdata/class_data.h"
#include "gradebook/ordering.h"
#include "support/class_fixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmark {
namespace {

using OrderingTest = testing::ClassFixture;

void add_student(std::int16_t slot, const std::string& first, const std::string& last) {
    students[slot] = {first, last, "id " + first + last, {}, "", "", ""};
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
    add_student(0, "Sam", "smith");
    add_student(1, "Bea", "Brown");
    add_student(3, "Al", "adams");
    students[0].scores = {7, excused};
    students[0].telephone = "555-0100";
    // Above the last used slot: never touched, even with a name that would sort first.
    students[4].last_name = "aaa";

    sort_by_name();

    EXPECT_EQ((std::vector<std::string>{"", "adams", "Brown", "smith", "aaa"}),
              column(&student_rec::last_name, 5));
    EXPECT_EQ("id Samsmith 555-0100", students[3].id_number + " " + students[3].telephone);
    EXPECT_EQ((std::array<std::int16_t, assignment_slots + 1>{7, excused}), students[3].scores);
}

TEST_F(OrderingTest, ByNameLooksAtLastNamesOnlyAndOrdersAnyTwoOrMore) {
    add_student(0, "John", "Smith");
    add_student(1, "Adam", "Smith");
    add_student(2, "Bo", "Brown");
    add_student(3, "Ed", "Smithers");
    sort_by_name();
    EXPECT_EQ((std::vector<std::string>{"Bo", "Adam", "John", "Ed"}),
              column(&student_rec::first_name, 4));

    clear_class();
    add_student(0, "Y", "Young");
    add_student(1, "X", "Adler");
    sort_by_name();
    EXPECT_EQ((std::vector<std::string>{"X", "Y"}), column(&student_rec::first_name, 2));
}

TEST_F(OrderingTest, ByNameUpperCasesWindows1252LettersAndComparesBytesUnsigned) {
    // Upper-cased: F7 (the division sign stays), DE, 9F, 5A, 8A, C0, 42.
    const std::vector<std::string> names{"\xF7", "\xFE", "\xFF", "Z", "\x9Ar", "\xE0", "b"};
    for (std::size_t s = 0; s < names.size(); ++s) {
        add_student(static_cast<std::int16_t>(s), "", names[s]);
    }
    sort_by_name();
    EXPECT_EQ((std::vector<std::string>{"b", "Z", "\x9Ar", "\xFF", "\xE0", "\xFE", "\xF7"}),
              column(&student_rec::last_name, 7));
}

TEST_F(OrderingTest, ByAverageRanksEverySlotInRangeByItsScores) {
    clear_class();
    asg_title[0] = "Test";
    asg_title[1] = "Quiz";
    asg_points[1] = 10;
    add_student(0, "P", "");
    add_student(1, "Q", "");
    add_student(2, "R", "");
    students[0].scores = {50, excused};
    students[1].scores = {50, excused};
    students[2].scores = {90, excused};
    sort_by_average();
    // Equal averages change places.
    EXPECT_EQ((std::vector<std::string>{"R", "Q", "P"}), column(&student_rec::first_name, 3));
    EXPECT_EQ(90, students[0].scores[0]);

    add_student(0, "Low", "");
    students[0].scores = {20, 5};
    students[1] = {};
    students[1].scores = {100, 10}; // removed, its scores still stored
    add_student(2, "Mid", "");
    students[2].scores = {70, 10};
    students[3].scores = {100, 10}; // above the last used slot
    sort_by_average();
    EXPECT_EQ((std::vector<std::string>{"", "Mid", "Low", ""}),
              column(&student_rec::first_name, 4));
    EXPECT_EQ((std::array<std::int16_t, assignment_slots + 1>{20, 5}), students[2].scores);
    EXPECT_EQ(100, students[3].scores[0]);
}

} // namespace
} // namespace quillmark
