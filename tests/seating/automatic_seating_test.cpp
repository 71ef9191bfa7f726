#include "classdata/class_data.h"
#include "classdata/random_generator.h"
#include "seating/automatic_seating.h"
#include "support/class_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmark {
namespace {

class AutomaticSeatingTest : public testing::ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        initchart(desks);
    }

    // Students in slots 0 to count - 1, each with its own scores and notes.
    static void add_students(int count) {
        for (int s = 0; s < count; ++s) {
            const std::string n = std::to_string(s);
            students[s].first_name = "F" + n;
            students[s].last_name = "l" + n;
            students[s].id_number = "id" + n;
            students[s].notes = "notes" + n;
            students[s].scores[0] = static_cast<std::int16_t>(s);
            students[s].scores[199] = static_cast<std::int16_t>(1000 + s);
        }
    }

    // Each record's fields, tied together, in slot order.
    static std::vector<std::string> records(int count) {
        std::vector<std::string> all;
        for (int s = 0; s < count; ++s) {
            const student_rec& r = students[s];
            all.push_back(r.id_number + "|" + r.first_name + "|" + r.last_name + "|" + r.notes +
                          "|" + std::to_string(r.scores[0]) + "|" + std::to_string(r.scores[199]));
        }
        return all;
    }

    Desks desks;
};

TEST_F(AutomaticSeatingTest, RandomPlanSeatsFromTheFirstPresentDeskAndClearsTheRest) {
    add_students(30);
    random_generator().seed(7);
    desks[0] = {"kept", false};
    desks[1] = {"", false};
    desks[40].text = "old";
    desks[50] = {"typed", false};
    const std::vector<std::string> before = records(30);

    seatauto(desks, SeatingPlan::random);

    const std::vector<std::string> after = records(30);
    EXPECT_NE(before, after);
    EXPECT_TRUE(std::ranges::is_permutation(before, after));
    EXPECT_EQ("kept", desks[0].text);
    EXPECT_EQ("", desks[1].text);
    EXPECT_EQ(students[0].first_name + " l.", desks[2].text);
    EXPECT_EQ(students[29].first_name + " l.", desks[31].text);
    for (std::size_t i = 32; i < desks.size(); ++i) {
        EXPECT_EQ("", desks[i].text) << i;
    }
    EXPECT_FALSE(desks[50].present);
}

TEST_F(AutomaticSeatingTest, AlphabeticalPlanWritesFirstNameAndInitialOfEverySlotUncut) {
    // Slot 2 is out of use and goes first; slot 3 holds no last name.
    const char* const names[][2] = {
        {"Bartholomew", "Zed"}, {"Ann", "lee"}, {"", ""}, {"Cher", ""}, {"Dan", "Moss"}};
    for (int s = 0; s < 5; ++s) {
        students[s].first_name = names[s][0];
        students[s].last_name = names[s][1];
        students[s].id_number = s == 2 ? "" : std::to_string(s);
    }
    desks[70].text = "old";

    seatauto(desks, SeatingPlan::alphabetical);

    const std::vector<std::string> seated{desks[0].text, desks[1].text, desks[2].text,
                                          desks[3].text, desks[4].text, desks[5].text};
    EXPECT_EQ((std::vector<std::string>{" .", "Cher .", "Ann l.", "Dan M.", "Bartholomew Z.", ""}),
              seated);
    EXPECT_EQ("", desks[70].text);
}

TEST_F(AutomaticSeatingTest, MoreStudentsThanPresentDesksFillEveryPresentDeskAndClearNothing) {
    add_students(80);
    for (const std::size_t i : {3U, 20U, 71U}) {
        desks[i] = {"absent", false};
    }
    seatauto(desks, SeatingPlan::alphabetical);
    // Sorting by "l<number>" puts l0, l1, l10, l11 ... first.
    EXPECT_EQ("F0 l.", desks[0].text);
    EXPECT_EQ("F10 l.", desks[2].text);
    EXPECT_EQ("absent", desks[3].text);
    EXPECT_EQ("absent", desks[71].text);
    EXPECT_EQ(69, std::ranges::count_if(
                      desks, [](const Desk& d) { return d.present && d.text.ends_with(" l."); }));
}

TEST_F(AutomaticSeatingTest, ShuffleLeavesSmallClassesAndSlotsAboveTheLastAlone) {
    add_students(3);
    const std::vector<std::string> three = records(3);
    for (int round = 0; round < 20; ++round) {
        shuffle_students();
    }
    EXPECT_EQ(three, records(3));

    // Slot 2 out of use inside the range moves like any other; slot 5 is never touched.
    add_students(5);
    students[2] = {};
    students[5].notes = "above";
    const std::vector<std::string> five = records(5);
    random_generator().seed(1);
    bool moved = false;
    for (int round = 0; round < 20; ++round) {
        shuffle_students();
        moved = moved || records(5) != five;
        EXPECT_TRUE(std::ranges::is_permutation(five, records(5)));
    }
    EXPECT_TRUE(moved);
    EXPECT_EQ("above", students[5].notes);
    EXPECT_EQ("", students[5].id_number);
}

} // namespace
} // namespace quillmark
