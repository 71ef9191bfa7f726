#include "reports/assignment_report.h"
#include "reports/class_report.h"
#include "reports/report_fixture.h"
#include "reports/seating_chart_printout.h"
#include "reports/student_report.h"

#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

TEST_F(ReportTest, ClassReportLineForLine) {
    // Abercrombieson has full marks, Lee 85.333% with an excused quiz.
    add_assignment(0, "Essay", 100);
    add_assignment(1, "Quiz 1", 50);
    add_assignment(2, "Quiz 2", 50);
    add_student(0, "1001", "Abercrombieson", {100, 50, 50});
    add_student(1, "1002", "Lee", {85, excused, 43});
    add_student(3, "1003", "Ng", {70, 40, 30}); // an unused slot keeps its row
    print_class_report(printer, 1, 10, today);
    expect_lines(
        after_header({
            "@Courier New 10",
            "          Class Average: 85.11%",
            "     Standard Deviation: + / - 12.24%",
            "                   %A's: 33.33",
            "                   %B's: 33.33",
            "                   %C's: 33.33",
            "                   %D's: 0",
            "                   %F's: 0",
            "@Arial 12",
            "",
            "     Assignments:",
            "@Courier New 12 italic",
            "      1. Essay" + blanks(25) + "   6. " + blanks(30),
            "      2. Quiz 1" + blanks(24) + "   7. " + blanks(30),
            "      3. Quiz 2" + blanks(24) + "   8. " + blanks(30),
            "      4. " + blanks(30) + "   9. " + blanks(30),
            "      5. " + blanks(30) + "   10. " + blanks(30),
            "@Courier New 12",
            "",
            "@Courier New 12 bold",
            "     Assignment #     1    2    3    4    5    6    7    8    9   10  ",
            "@Courier New 12",
            "      Point Value   100  50   50   100  100  100  100  100  100  100 ",
            "        Class Avg  85   45   41   0    0    0    0    0    0    0    ",
            "",
            "@Courier New 12 bold underline",
            "      Student ID:                                                      AVG%",
            "@Courier New 12",
            "       1001         100  50   50   0    0    0    0    0    0    0   (100 )",
            "       1002         85  E     43   0    0    0    0    0    0    0   (85.3)",
            "       " + blanks(10) + "   0    0    0    0    0    0    0    0    0    0   (0   )",
            "       1003         70   40   30   0    0    0    0    0    0    0   (70  )",
        }),
        printer.transcript);
}

// A block's heading is 27 lines, 310 points high after the first block (306 in it), and a row 12:
// on pages of 1000 points, 31 students leave exactly the 322 points the second heading and row
// need.
TEST_F(ReportTest, ABlockStartsANewPageWhenItsHeadingAndFirstRowWouldNotFitTogether) {
    for (std::int16_t a = 0; a < 11; ++a) {
        add_assignment(a, "Lab " + std::to_string(a + 1), 10);
    }
    for (const int class_size : {31, 32}) {
        SCOPED_TRACE(class_size);
        for (std::int16_t s = 0; s < class_size; ++s) {
            add_student(s, "S" + std::to_string(s), "Pupil", {});
            students[s].scores[10] = static_cast<std::int16_t>(s % 10);
        }
        RecordingPrinter unpaged;
        printer = {};
        printer.page_height = 1000;
        for (RecordingPrinter* into : {&unpaged, &printer}) {
            print_class_report(*into, 1, 10, today);
            print_class_report(*into, 11, 20, today);
        }

        // Only the break moves, and only when it must: else the page fills up to its foot.
        std::vector<std::string> expected = unpaged.lines;
        const auto first_block_end = expected.begin() + 27 + class_size;
        expected.insert(class_size == 31 ? first_block_end + 27 + 1 : first_block_end,
                        "<new page>");
        expect_lines(expected, printer.lines);
    }
}

TEST_F(ReportTest, StudentReportLineForLineAndNoPercentageOfNoPoints) {
    add_assignment(0, "Essay", 50);
    add_assignment(1, "Quiz", 3);
    add_assignment(2, "Lab", 10);
    add_student(4, "1005", "Lee", {45, 2, excused});
    print_student_report(printer, 4, today);
    expect_lines(after_header({
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
                     "      1" + blanks(10) + "  45" + blanks(3) + "  50" + blanks(12) + "  90" +
                         blanks(10) + "  A " + blanks(12) + "  ",
                     "      2" + blanks(10) + "  2" + blanks(4) + "  3" + blanks(13) + "  66.666" +
                         blanks(6) + "  D " + blanks(12) + "  ",
                     "      3(EXCUSED) ",
                 }),
                 printer.transcript);

    // A 0-point assignment (old or hand-edited files only) leaves percentage and letter empty.
    asg_points[1] = 0;
    printer = {};
    print_student_report(printer, 4, today);
    EXPECT_EQ("      2" + blanks(10) + "  2" + blanks(4) + "  0" + blanks(13) + blanks(32),
              printer.transcript.end()[-2]);
}

TEST_F(ReportTest, AssignmentReportLineForLineSkippingExcusedStudents) {
    add_assignment(0, "Essay", 100);
    add_assignment(1, "Quiz 1", 20);
    add_student(0, "1001", "Montgomery-Smith", {0, 18});
    add_student(1, "1002", "Lee", {0, excused});
    add_student(3, "1004", "Ng", {0, 10}); // slot 2 stays empty
    print_assignment_report(printer, 1, today);
    expect_lines(
        after_header({
            "     Individual Assignment Analysis: Quiz 1",
            "     Assignment Point Value: 20",
            "",
            "@Courier New 10",
            "                 Average: 70%",
            "      Standard Deviation: + / - 20%",
            "",
            "                    %A's: 50",
            "                    %B's: 0",
            "                    %C's: 0",
            "                    %D's: 0",
            "                    %F's: 50",
            "@Arial 12",
            "",
            "@Courier New 12 bold underline",
            "           (Student) (Points)   (Percentage%)  (Letter Grade)  ",
            "@Courier New 12",
            "       Montgomery-S   18       90" + blanks(11) + "   A " + blanks(12) + "  ",
            "       " + blanks(12) + "   0        0" + blanks(12) + "   F " + blanks(12) + "  ",
            "       Ng" + blanks(10) + "   10       50" + blanks(11) + "   F " + blanks(12) + "  ",
        }),
        printer.transcript);
}

TEST_F(ReportTest, SeatingChartLineForLineInLandscapeAndEndsTheDocument) {
    Desks desks{};
    desks[0].text = "Alexandria";
    desks[1].text = "Christopher M.";
    desks[3].present = false;
    desks[4] = {"Bo", false};
    print_seating_chart(printer, desks, today);
    const std::string desk = "[" + blanks(10) + "] ";
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
        "[Alexandria] [Christophe] " + desk + blanks(13) + " Bo" + blanks(9) + " " + desk + desk +
            desk + "  ",
        "",
    };
    const std::string empty_row = desk + desk + desk + desk + desk + desk + desk + desk;
    for (int row = 1; row < 9; ++row) {
        expected.insert(expected.end(), {empty_row + "  ", ""});
    }
    expected.insert(expected.end(), {"@Arial 14 landscape", "", "     <42>   REAR OF CLASSROOM   ",
                                     "<end of document>"});
    expect_lines(expected, printer.transcript);
}

} // namespace
} // namespace quillmark::testing
