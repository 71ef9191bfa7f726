#include "reports/report_fixture.h"
#include "reports/student_report.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

class StudentReportTest : public ReportTest {
protected:
    // The italic legend lines of the report printed last.
    std::vector<std::string> legend() const {
        const auto transcript = printer.transcript();
        auto begin = std::ranges::find(transcript, "@Courier New 12 italic") + 1;
        return {begin, std::find(begin, transcript.end(), "@Courier New 12")};
    }
};

TEST_F(StudentReportTest, WholeReportLineForLineWithExcusedAndUnroundedPercentages) {
    add_assignment(0, "Essay", 50);
    add_assignment(1, "Quiz", 3);
    add_assignment(2, "Lab", 10);
    add_student(4, "1005", "Lee", {45, 2, excused});
    print_student_report(printer, 4, today);

    std::vector<std::string> expected{"@ 0", "", ""};
    std::ranges::copy(header_after_empty_lines(), std::back_inserter(expected));
    const std::vector<std::string> rest{
        "     Individual Student Analysis: Pat Lee",
        "",
        "@Courier New 10",
        "           Average: 88.67%",
        "      Letter Grade: B ",
        "@Arial 12",
        "",
        "     Assignments:",
        "@Courier New 12 italic",
        "      1. Essay" + blanks(20) + "   3. Lab" + blanks(27),
        "      2. Quiz" + blanks(21) + "   4. " + blanks(30),
        "@Courier New 12",
        "",
        "@Courier New 12 bold underline",
        "      (Assignment) (Pts.) (Possible Pts.) (Percentage%) (Letter Grade)  ",
        "@Courier New 12",
        "      1" + blanks(10) + "  45" + blanks(3) + "  50" + blanks(12) + "  90" + blanks(10) +
            "  A " + blanks(12) + "  ",
        "      2" + blanks(10) + "  2" + blanks(4) + "  3" + blanks(13) + "  66.666" + blanks(6) +
            "  D " + blanks(12) + "  ",
        "      3(EXCUSED) ",
    };
    std::ranges::copy(rest, std::back_inserter(expected));
    expect_lines(expected, printer.transcript());
    EXPECT_EQ(0, printer.documents_ended);
}

TEST_F(StudentReportTest, LegendSplitsTheSlotsInTwoColumnsAndPrintsLongTitlesWhole) {
    add_student(0, "1001", "Ng", {});
    add_assignment(0, "T1", 10);
    print_student_report(printer, 0, today);
    expect_lines({"      1. T1" + blanks(23) + "   2. " + blanks(30)}, legend());

    const std::string long_title = "Chapter Eleven Take-Home Essay"; // 30 characters
    add_assignment(0, long_title, 10);
    for (std::int16_t a = 1; a < 10; ++a) {
        add_assignment(a, "T" + std::to_string(a + 1), 10);
    }
    printer = {};
    print_student_report(printer, 0, today);
    auto lines = legend();
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ("      1. " + long_title + "   6. T6" + blanks(28), lines[0]);
    EXPECT_EQ("      5. T5" + blanks(23) + "   10. T10" + blanks(27), lines[4]);

    add_assignment(10, "T11", 10);
    printer = {};
    print_student_report(printer, 0, today);
    lines = legend();
    ASSERT_EQ(6u, lines.size());
    EXPECT_EQ("      5. T5" + blanks(23) + "   11. T11" + blanks(27), lines[4]);
    EXPECT_EQ("      6. T6" + blanks(23) + "   12. " + blanks(30), lines[5]);
}

} // namespace
} // namespace quillmark::testing
