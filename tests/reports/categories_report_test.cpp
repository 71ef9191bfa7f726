#include "grading/categories.h"
#include "reports/report_fixture.h"
#include "reports/student_report.h"

#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

using CategoriesReportTest = ReportTest;

// Assignments of 50, 3, 0 and 10 points; Lee with an excused lab, Ng with a 0 and extra credit,
// a gap in slot 3.
TEST_F(CategoriesReportTest, StudentReportAddsOneLinePerCategoryUnderItsStatistics) {
    add_assignment(0, "Essay", 50);
    add_assignment(1, "Quiz 1", 3);
    add_assignment(2, "Extra", 0);
    add_assignment(4, "Lab", 10);
    add_student(0, "1001", "Lee", {45, 2, 0, 0, excused});
    add_student(1, "1002", "Ng", {30, 0, 4, 0, 7});
    Categories& categories = class_categories();
    categories.in_use = true;
    categories.list = {{"Writing", 40, 0}, {"Quizzes and labs", 60.5, 1}, {"Projects", 0, 0}};
    categories.of[0] = 0;
    categories.of[1] = 1;
    categories.of[4] = 1;

    // Lee: writing 45/50 = 90 %; the quiz (2/3) alone counts with the lab excused, so nothing
    // is dropped; (40 * .9 + 60.5 * 2/3) / 100.5 = 75.95 %.
    print_student_report(printer, 0, today);
    const auto begin = std::ranges::find(printer.transcript, "@Courier New 10");
    ASSERT_NE(printer.transcript.end(), begin);
    expect_lines({"@Courier New 10", "           Average: 75.95%", "      Letter Grade: C ",
                  "      Writing (weight 40%): 90%, no scores dropped",
                  "      Quizzes and labs (weight 60.5%): 66.666%, no scores dropped",
                  "      Projects (weight 0%): nothing counted", "@Arial 12"},
                 std::vector<std::string>(begin, begin + 7));

    // Ng: the quiz's 0 % goes and the lab's 70 % stays.
    printer = {};
    print_student_report(printer, 1, today);
    EXPECT_EQ(1, std::ranges::count(printer.transcript,
                                    "      Quizzes and labs (weight 60.5%): 70%, 1 score dropped"));
}

} // namespace
} // namespace quillmark::testing
