#include "reports/assignment_report.h"
#include "reports/report_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

class AssignmentReportTest : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        add_assignment(0, "Essay", 100);
        add_assignment(1, "Quiz 1", 20);
        add_student(0, "1001", "Montgomery-Smith", {0, 18});
        add_student(1, "1002", "Lee", {0, excused});
        add_student(3, "1004", "Ng", {0, 10}); // slot 2 stays empty
    }
};

TEST_F(AssignmentReportTest, WholeReportLineForLineSkippingExcusedStudents) {
    print_assignment_report(printer, 1, today);

    std::vector<std::string> expected{"@ 0", "", ""};
    std::ranges::copy(header_after_empty_lines(), std::back_inserter(expected));
    const std::vector<std::string> rest{
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
    };
    std::ranges::copy(rest, std::back_inserter(expected));
    expect_lines(expected, printer.transcript());
    EXPECT_EQ(0, printer.documents_ended);
}

TEST_F(AssignmentReportTest, EveryStudentExcusedLeavesTheHeadingAlone) {
    for (student_rec& student : students) {
        student.scores[1] = excused;
    }
    print_assignment_report(printer, 1, today);
    EXPECT_EQ("           (Student) (Points)   (Percentage%)  (Letter Grade)  ",
              printer.transcript().back());
}

} // namespace
} // namespace quillmark::testing
