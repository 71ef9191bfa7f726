#include "classdata/class_data.h"
#include "classdata/random_generator.h"
#include "seating/automatic_seating.h"
#include "seating/chart_file.h"
#include "support/chart_records.h"
#include "support/class_fixture.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace quillmark {
namespace {

using testing::empty_desks;

class SeatingTest : public testing::ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        initchart(desks);
    }

    static void add_students(int count) {
        for (int s = 0; s < count; ++s) {
            students[s].first_name = "F" + std::to_string(s);
            students[s].last_name = "l" + std::to_string(s);
            students[s].id_number = std::to_string(s);
            students[s].scores[199] = static_cast<std::int16_t>(s);
        }
    }
    // Each record's fields, tied together, in slot order.
    static std::vector<std::string> records(int count) {
        std::vector<std::string> all;
        for (int s = 0; s < count; ++s) {
            all.push_back(students[s].id_number + students[s].first_name + students[s].last_name +
                          std::to_string(students[s].scores[199]));
        }
        return all;
    }

    Desks desks;
};

TEST_F(SeatingTest, SavedChartHoldsTwoLinesPerDeskAndDropsTheNamesOfAbsentDesks) {
    class_file = "Period1.cls";
    desks[9] = {"Typed", false};
    desks[10].text = "Kim";
    desks[71].text = "two\r\nlines";
    ASSERT_TRUE(save_chart(desks));
    EXPECT_EQ(empty_desks(9) + "\r\n0\r\nKim\r\n1\r\n" + empty_desks(60) + "two  lines\r\n1\r\n",
              read_file("Period1.chart"));
}

TEST_F(SeatingTest, OnlyAFlagOfExactlyOneIsPresentAndMissingRecordsArePresentAndEmpty) {
    desks.fill(Desk{"stale", false});
    std::istringstream in{"Ann\r\n1 \r\nO'Neil, \"Jo\" \r\n1\r\nFay\r\n"};
    read_chart(in, desks);
    EXPECT_FALSE(desks[0].present);
    EXPECT_EQ("", desks[0].text);
    EXPECT_EQ("O'Neil, \"Jo\" ", desks[1].text);
    EXPECT_TRUE(std::all_of(desks.begin() + 2, desks.end(),
                            [](const Desk& d) { return d.present && d.text.empty(); }));
}

TEST_F(SeatingTest, RandomPlanShufflesWholeRecordsAndClearsFromWhereItStopped) {
    add_students(30);
    random_generator().seed(7);
    desks[0] = {"kept", false};
    desks[1].present = false;
    desks[50] = {"typed", false};
    const std::vector<std::string> before = records(30);
    seatauto(desks, SeatingPlan::random);
    EXPECT_NE(before, records(30));
    EXPECT_TRUE(std::ranges::is_permutation(before, records(30)));
    EXPECT_EQ("kept", desks[0].text);
    EXPECT_EQ(students[0].first_name + " l.", desks[2].text);
    EXPECT_EQ(students[29].first_name + " l.", desks[31].text);
    EXPECT_TRUE(
        std::all_of(desks.begin() + 32, desks.end(), [](const Desk& d) { return d.text.empty(); }));
}

TEST_F(SeatingTest, AlphabeticalPlanSeatsEverySlotUpToTheLastUncut) {
    // A class without students seats nobody.
    desks[0].text = "old";
    seatauto(desks, SeatingPlan::alphabetical);
    EXPECT_EQ("", desks[0].text);

    // Slot 2 is out of use and sorts first.
    const char* const names[][2] = {
        {"Bartholomew", "Zed"}, {"Ann", "lee"}, {"", ""}, {"Dan", "Moss"}};
    for (int s = 0; s < 4; ++s) {
        students[s].first_name = names[s][0];
        students[s].last_name = names[s][1];
        students[s].id_number = s == 2 ? "" : std::to_string(s);
    }
    desks[70].text = "old";
    seatauto(desks, SeatingPlan::alphabetical);
    EXPECT_EQ((std::vector<std::string>{" .", "Ann l.", "Dan M.", "Bartholomew Z.", ""}),
              (std::vector<std::string>{desks[0].text, desks[1].text, desks[2].text, desks[3].text,
                                        desks[70].text}));
}

} // namespace
} // namespace quillmark
