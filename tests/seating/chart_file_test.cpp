#include "classdata/class_data.h"
#include "seating/chart_file.h"
#include "support/class_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace quillmark {
namespace {

class ChartFileTest : public testing::ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        class_file = "Period1.cls";
    }
};

std::vector<std::string> crlf_lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find("\r\n"); end != std::string::npos;
         end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(bytes.size(), start) << "text after the last line end";
    return lines;
}

Desks read_from(const std::string& bytes) {
    Desks desks;
    desks.fill(Desk{"stale", false});
    std::istringstream in{bytes};
    read_chart(in, desks);
    return desks;
}

TEST_F(ChartFileTest, SavedChartHoldsTwoLinesPerDeskAndAbsentNamesAreDropped) {
    Desks desks;
    initchart(desks);
    desks[9] = {"Typed", false};
    desks[10] = {"Kim", true};
    desks[71] = {"O'Neil, \"Jo\"\xE9", true};
    desks[70] = {"two\r\nlines", true};

    std::ostringstream out;
    write_chart(out, desks);
    const std::vector<std::string> lines = crlf_lines(out.str());
    ASSERT_EQ(144U, lines.size());
    EXPECT_EQ((std::vector<std::string>{"", "0", "Kim", "1"}),
              std::vector<std::string>(lines.begin() + 18, lines.begin() + 22));
    EXPECT_EQ("", lines[0]);
    EXPECT_EQ("1", lines[1]);
    EXPECT_EQ("two  lines", lines[140]);

    ASSERT_TRUE(save_chart(desks));
    EXPECT_EQ(out.str(), read_file("Period1.chart"));
    Desks loaded;
    ASSERT_TRUE(load_chart(loaded));
    EXPECT_EQ("O'Neil, \"Jo\"\xE9", loaded[71].text);
    EXPECT_EQ("", loaded[9].text);
    EXPECT_FALSE(loaded[9].present);
    EXPECT_EQ("Kim", loaded[10].text);
}

TEST_F(ChartFileTest, OnlyAFlagOfExactlyOneIsPresentAndMissingRecordsArePresentAndEmpty) {
    const Desks desks = read_from("Ann\r\n1 \r\nBo\r\nyes\r\nCy\r\n0\r\nDee\r\n1\r\n"
                                  "Ed\n1\nFay\r\n");
    EXPECT_FALSE(desks[0].present);
    EXPECT_EQ("", desks[0].text);
    EXPECT_FALSE(desks[1].present);
    EXPECT_FALSE(desks[2].present);
    EXPECT_EQ("", desks[2].text);
    EXPECT_TRUE(desks[3].present);
    EXPECT_EQ("Dee", desks[3].text);
    EXPECT_TRUE(desks[4].present);
    EXPECT_EQ("Ed", desks[4].text);
    // A name without its flag line, and everything after it, is lacking.
    for (std::size_t i = 5; i < desks.size(); ++i) {
        EXPECT_TRUE(desks[i].present) << i;
        EXPECT_EQ("", desks[i].text) << i;
    }
}

TEST_F(ChartFileTest, OpeningCreatesAnEmptyChartAndAFileThatCannotBeUsedOpensEmpty) {
    Desks desks;
    desks.fill(Desk{"stale", false});
    ASSERT_TRUE(load_chart(desks));
    EXPECT_TRUE(std::filesystem::exists(folder() / "Period1.chart"));
    EXPECT_EQ("", read_file("Period1.chart"));
    EXPECT_EQ(folder() / "Period1.chart", chart_file_path());
    for (const Desk& desk : desks) {
        EXPECT_TRUE(desk.present);
        EXPECT_EQ("", desk.text);
    }

    // A folder in the chart's place can be neither read nor replaced.
    class_file = "Blocked.cls";
    std::filesystem::create_directory(folder() / "Blocked.chart");
    desks.fill(Desk{"stale", false});
    EXPECT_FALSE(load_chart(desks));
    EXPECT_TRUE(desks[0].present);
    EXPECT_EQ("", desks[71].text);
    desks[0].text = "Kim";
    const Result saved = save_chart(desks);
    EXPECT_TRUE(saved.message().starts_with("Could not save the seating chart \"Blocked.chart\": "))
        << saved.message();
    EXPECT_TRUE(saved.message().ends_with(".")) << saved.message();
    EXPECT_TRUE(std::filesystem::is_directory(folder() / "Blocked.chart"));
}

} // namespace
} // namespace quillmark
