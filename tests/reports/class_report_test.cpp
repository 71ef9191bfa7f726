#include "reports/class_report.h"
#include "reports/report_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

class ClassReportTest : public ReportTest {
protected:
    // Three assignments; Abercrombieson has full marks, Lee 85.333% with an excused quiz.
    void SetUp() override {
        ReportTest::SetUp();
        add_assignment(0, "Essay", 100);
        add_assignment(1, "Quiz 1", 50);
        add_assignment(2, "Quiz 2", 50);
        add_student(0, "1001", "Abercrombieson", {100, 50, 50});
        add_student(1, "1002", "Lee", {85, excused, 43});
        add_student(2, "1003", "Ng", {70, 40, 30});
    }
};

TEST_F(ClassReportTest, OneBlockLineForLineWithStatisticsLegendRowsAndStudents) {
    print_class_report(printer, 1, 10, today);

    std::vector<std::string> expected{"@ 0", "", ""};
    std::ranges::copy(header_after_empty_lines(), std::back_inserter(expected));
    const std::vector<std::string> rest{
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
        "       1003         70   40   30   0    0    0    0    0    0    0   (70  )",
    };
    std::ranges::copy(rest, std::back_inserter(expected));
    expect_lines(expected, printer.transcript());
    EXPECT_EQ(0, printer.documents_ended);
}

TEST_F(ClassReportTest, ListedByNameCutsLongLastNamesToTen) {
    list_by_name = true;
    students[3].id_number = "1004"; // a last name shorter than the key is filled
    print_class_report(printer, 1, 10, today);

    const auto transcript = printer.transcript();
    const std::vector<std::string> keys(transcript.end() - 4, transcript.end());
    const std::string zeros = "  0    0    0    0    0    0    0   ";
    expect_lines({"       Abercrombi   100  50   50 " + zeros + "(100 )",
                  "       Lee          85  E     43 " + zeros + "(85.3)",
                  "       Ng           70   40   30 " + zeros + "(70  )",
                  "                    0    0    0  " + zeros + "(0   )"},
                 keys);
}

TEST_F(ClassReportTest, TwentyThreeAssignmentsPrintThreeCompleteBlocks) {
    for (std::int16_t a = 3; a < 23; ++a) {
        add_assignment(a, "Lab " + std::to_string(a + 1), 10);
        for (student_rec& student : students) {
            student.scores[a] = excused; // keeps the class figures of the first three
        }
    }
    for (std::int16_t first = 1; first <= last_assignment() + 1; first += 10) {
        print_class_report(printer, first, static_cast<std::int16_t>(first + 9), today);
    }

    const auto transcript = printer.transcript();
    const auto count = [&](const std::string& line) {
        return std::ranges::count(transcript, line);
    };
    EXPECT_EQ(3, count("     Quillmark - 12/6/26"));
    EXPECT_EQ(3, count("          Class Average: 85.11%"));
    EXPECT_EQ(1, count("     Assignment #    11   12   13   14   15   16   17   18   19   20  "));
    EXPECT_EQ(1, count("     Assignment #    21   22   23   24   25   26   27   28   29   30  "));
    EXPECT_EQ(1, count("      21. Lab 21" + blanks(24) + "   26. " + blanks(30)));
    EXPECT_EQ(1, count("      23. Lab 23" + blanks(24) + "   28. " + blanks(30)));
    EXPECT_EQ(1, count("      25. " + blanks(30) + "   30. " + blanks(30)));
    EXPECT_EQ(0, printer.documents_ended);
}

} // namespace
} // namespace quillmark::testing
