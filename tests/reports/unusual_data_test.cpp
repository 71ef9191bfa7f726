#include "reports/assignment_report.h"
#include "reports/class_report.h"
#include "reports/report_fixture.h"
#include "reports/student_report.h"

#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

// Only an old or hand-edited class file holds an assignment worth 0 points or less: it has no
// percentage, so its percentage and letter cells stay empty.
TEST_F(ReportTest, AssignmentsWithoutPointsPrintEmptyPercentageAndLetterCells) {
    add_assignment(0, "Bonus", 0);
    add_assignment(1, "Penalty", -5);
    add_student(0, "1001", "Lee", {7, 3});

    print_student_report(printer, 0, today);
    auto lines = printer.transcript();
    EXPECT_EQ("      1" + blanks(10) + "  7" + blanks(4) + "  0" + blanks(13) + "  " + blanks(12) +
                  "  " + blanks(14) + "  ",
              lines.end()[-2]);
    EXPECT_EQ("      2" + blanks(10) + "  3" + blanks(4) + "  -5" + blanks(12) + "  " + blanks(12) +
                  "  " + blanks(14) + "  ",
              lines.back());

    const std::string empty_cells = "   " + blanks(13) + "   " + blanks(14) + "  ";
    printer = {};
    print_assignment_report(printer, 0, today);
    EXPECT_EQ("       Lee" + blanks(9) + "   7     " + empty_cells, printer.transcript().back());
    printer = {};
    print_assignment_report(printer, 1, today);
    lines = printer.transcript();
    EXPECT_EQ("       Lee" + blanks(9) + "   3     " + empty_cells, lines.back());
    for (const auto& line : lines) {
        EXPECT_EQ(std::string::npos, line.find("inf")) << line;
        EXPECT_EQ(std::string::npos, line.find("nan")) << line;
    }
}

// Slots the print dialog never passes print nothing rather than read outside the class.
TEST_F(ReportTest, SlotsOutsideTheClassPrintNothing) {
    print_class_report(printer, 0, 9, today);
    print_class_report(printer, 195, 204, today);
    print_student_report(printer, -1, today);
    print_student_report(printer, student_slots + 1, today);
    print_assignment_report(printer, assignment_slots + 1, today);
    EXPECT_TRUE(printer.lines.empty());
    print_class_report(printer, 200, 200, today); // its legend reaches past the last slot
    EXPECT_FALSE(printer.lines.empty());
}

} // namespace
} // namespace quillmark::testing
