#include "classdata/class_data.h"
#include "seating/chart_file.h"
#include "support/class_fixture.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace quillmark {
namespace {

using ChartFileTest = testing::ClassFixture;

std::string empty_desks(int count) {
    std::string records;
    for (int i = 0; i < count; ++i) {
        records += "\r\n1\r\n";
    }
    return records;
}

TEST_F(ChartFileTest, SavedChartHoldsTwoLinesPerDeskAndDropsTheNamesOfAbsentDesks) {
    class_file = "Period1.cls";
    Desks desks;
    initchart(desks);
    desks[9] = {"Typed", false};
    desks[10].text = "Kim";
    desks[71].text = "two\r\nlines";
    ASSERT_TRUE(save_chart(desks));
    EXPECT_EQ(empty_desks(9) + "\r\n0\r\nKim\r\n1\r\n" + empty_desks(60) + "two  lines\r\n1\r\n",
              read_file("Period1.chart"));
}

TEST_F(ChartFileTest, OnlyAFlagOfExactlyOneIsPresentAndMissingRecordsArePresentAndEmpty) {
    Desks desks;
    desks.fill(Desk{"stale", false});
    std::istringstream in{"Ann\r\n1 \r\nO'Neil, \"Jo\" \r\n1\r\nFay\r\n"};
    read_chart(in, desks);
    EXPECT_FALSE(desks[0].present);
    EXPECT_EQ("", desks[0].text);
    EXPECT_EQ("O'Neil, \"Jo\" ", desks[1].text);
    for (std::size_t i = 2; i < desks.size(); ++i) {
        EXPECT_TRUE(desks[i].present && desks[i].text.empty()) << i;
    }
}

} // namespace
} // namespace quillmark
