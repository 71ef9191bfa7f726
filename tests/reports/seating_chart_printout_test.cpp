#include "reports/report_fixture.h"
#include "reports/seating_chart_printout.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

const std::string empty_row = [] {
    std::string row;
    for (int i = 0; i < 8; ++i) {
        row += "[" + blanks(10) + "] ";
    }
    return row + "  ";
}();

TEST_F(ReportTest, SeatingChartLineForLineInLandscapeAndEndsTheDocument) {
    Desks desks{};
    desks[0].text = "Alexandria";
    desks[1].text = "Christopher M.";
    desks[3].present = false;
    desks[4] = {"Bo", false};
    print_seating_chart(printer, desks, today);

    std::vector<std::string> expected{
        "@Courier New 12 landscape",
        "",
        "",
        "",
        "",
        "@Arial 12 bold landscape",
        "     Quillmark - 12/6/26",
        "",
        "     Period1 Seating Chart",
        "",
        "@Arial 12 bold italic landscape",
        "     Instructor: Ms. Rivera",
        "@Arial 12 bold landscape",
        "",
        "",
        "@Arial 14 landscape",
        "     <42>   FRONT OF CLASSROOM   ",
        "",
        "@Courier New 12 landscape",
        "[Alexandria] [Christophe] [" + blanks(10) + "] " + blanks(13) + " Bo" + blanks(9) + " [" +
            blanks(10) + "] [" + blanks(10) + "] [" + blanks(10) + "]   ",
        "",
    };
    for (int row = 1; row < 9; ++row) {
        expected.insert(expected.end(), {empty_row, ""});
    }
    expected.insert(expected.end(),
                    {"@Arial 14 landscape", "", "     <42>   REAR OF CLASSROOM   "});
    expect_lines(expected, printer.transcript());
    EXPECT_EQ(1, printer.documents_ended);
    EXPECT_EQ(0, printer.lines.back().document);
}

TEST_F(ReportTest, SeatingChartWithEveryDeskAbsentStillPrintsNineBlankRows) {
    Desks desks{};
    for (Desk& desk : desks) {
        desk.present = false;
    }
    print_seating_chart(printer, desks, today);
    const auto lines = printer.transcript();
    auto row = std::ranges::find(lines, "     <42>   FRONT OF CLASSROOM   ") + 3;
    std::vector<std::string> expected;
    for (int i = 0; i < 9; ++i) {
        expected.insert(expected.end(), {blanks(106), ""});
    }
    expected.push_back("@Arial 14 landscape");
    expect_lines(expected, {row, row + 19});
}

} // namespace
} // namespace quillmark::testing
