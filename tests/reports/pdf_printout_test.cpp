#include "pdf_reader.h"
#include "reports/assignment_report.h"
#include "reports/class_report.h"
#include "reports/report_fixture.h"
#include "reports/seating_chart_printout.h"
#include "reports/student_report.h"
#include "ui/printer_list.h"
#include "ui/qt_page_printer.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

#include <QPrinter>

namespace quillmark::testing {
namespace {

// Reports printed through the Qt page printer into PDF files and read back.
class PdfPrintoutTest : public ReportTest {
protected:
    template <typename Print> std::filesystem::path print_pdf(const char* name, Print print) {
        const std::filesystem::path file = folder() / name;
        const auto pdf = ui::pdf_printer(QString::fromStdString(file.string()), "test");
        ui::QtPagePrinter pages{*pdf};
        print(pages);
        EXPECT_EQ("", pages.failure().toStdString());
        return file;
    }

    static long count(const std::vector<std::string>& lines, const std::string& line) {
        return std::ranges::count(lines, line);
    }
};

TEST_F(PdfPrintoutTest, ClassReportRunsOverPagesInColumnsWithEveryLineOnAPage) {
    instructor = "Mme B\xe9r\xe9nice";
    for (std::int16_t a = 0; a < 23; ++a) {
        add_assignment(a, "Task " + std::to_string(a + 1), 10);
    }
    for (std::int16_t s = 0; s < 40; ++s) {
        add_student(s, "S" + std::to_string(1000 + s), "Pupil", {});
        for (std::int16_t a = 0; a < 23; ++a) {
            students[s].scores[a] = static_cast<std::int16_t>((s * 7 + a) % 11);
        }
    }
    students[5].scores[21] = excused;
    const auto file = print_pdf("class.pdf", [](PagePrinter& out) {
        for (std::int16_t first = 1; first <= 21; first += 10) {
            print_class_report(out, first, static_cast<std::int16_t>(first + 9), today);
        }
        out.end_document();
    });

    const std::vector<std::string> lines = pdf_lines(file);
    EXPECT_EQ(3, count(lines, "Quillmark - 12/6/26"));
    EXPECT_EQ(3, count(lines, "Instructor: Mme B\u00e9r\u00e9nice"));
    EXPECT_EQ(1, count(lines, "Assignment # 21 22 23 24 25 26 27 28 29 30"));
    EXPECT_EQ(1, count(lines, "S1005 2 3 4 5 6 7 8 9 10 0 (50.4)"));
    EXPECT_EQ(1, count(lines, "S1005 0 E 2 0 0 0 0 0 0 0 (50.4)"));
    for (int s = 0; s < 40; ++s) {
        const std::string id = "S" + std::to_string(1000 + s) + " ";
        EXPECT_EQ(3, std::ranges::count_if(
                         lines, [&](const std::string& line) { return line.starts_with(id); }))
            << id;
    }

    // Three blocks of some seventy lines each need more than three pages, and a page that
    // overflowed would put words below its bottom margin.
    const std::vector<PdfPage> pages = pdf_pages(file);
    EXPECT_GT(pages.size(), 3U);
    std::vector<double> averages;
    for (const PdfPage& page : pages) {
        EXPECT_LT(page.width, page.height);
        for (const PdfWord& word : page.words) {
            EXPECT_GE(word.top, 17.0) << word.text;
            EXPECT_LE(word.bottom, page.height - 17.0) << word.text;
            if (word.text.starts_with("(")) {
                averages.push_back(word.left);
            }
        }
    }
    // Every average closes its student's line at the same place, whatever the digits before
    // it: the table is in a fixed-pitch face.
    ASSERT_EQ(120U, averages.size());
    const auto [leftmost, rightmost] = std::ranges::minmax(averages);
    EXPECT_NEAR(leftmost, rightmost, 0.1);

    const std::set<std::string> faces{"LiberationMono",        "LiberationMono-Bold",
                                      "LiberationMono-Italic", "LiberationSans",
                                      "LiberationSans-Bold",   "LiberationSans-Italic"};
    EXPECT_EQ(faces, pdf_fonts(file));
}

TEST_F(PdfPrintoutTest, StudentAndAssignmentReportsReadBackLineForLine) {
    add_assignment(0, "Essay", 20);
    add_assignment(1, "Quiz", 50);
    add_assignment(2, "Lab", 10);
    add_student(0, "1001", "M\xfcller", {18, 45, excused});
    add_student(1, "1002", "Montgomery-Smith", {10, 40, 5});

    const auto student = print_pdf("student.pdf", [](PagePrinter& out) {
        print_student_report(out, 0, today);
        out.end_document();
    });
    const std::vector<std::string> expected_student{
        "Quillmark - 12/6/26",
        "Period1.cls",
        "Instructor: Ms. Rivera",
        "Individual Student Analysis: Pat M\u00fcller",
        "Average: 90%",
        "Letter Grade: A",
        "Assignments:",
        "1. Essay 3. Lab",
        "2. Quiz 4.",
        "(Assignment) (Pts.) (Possible Pts.) (Percentage%) (Letter Grade)",
        "1 18 20 90 A",
        "2 45 50 90 A",
        "3(EXCUSED)",
    };
    EXPECT_EQ(expected_student, pdf_lines(student));

    const auto assignment = print_pdf("assignment.pdf", [](PagePrinter& out) {
        print_assignment_report(out, 0, today);
        out.end_document();
    });
    const std::vector<std::string> expected_assignment{
        "Quillmark - 12/6/26",
        "Period1.cls",
        "Instructor: Ms. Rivera",
        "Individual Assignment Analysis: Essay",
        "Assignment Point Value: 20",
        "Average: 70%",
        "Standard Deviation: + / - 20%",
        "%A's: 50",
        "%B's: 0",
        "%C's: 0",
        "%D's: 0",
        "%F's: 50",
        "(Student) (Points) (Percentage%) (Letter Grade)",
        "M\u00fcller 18 90 A",
        "Montgomery-S 10 50 F",
    };
    EXPECT_EQ(expected_assignment, pdf_lines(assignment));
}

TEST_F(PdfPrintoutTest, SeatingChartIsLandscapeWithItsDesksAndCentredHeadings) {
    Desks desks{};
    desks[0].text = "Alexandria";
    desks[71].text = "Christopher M.";
    const auto file =
        print_pdf("chart.pdf", [&](PagePrinter& out) { print_seating_chart(out, desks, today); });

    const std::vector<PdfPage> pages = pdf_pages(file);
    ASSERT_EQ(1U, pages.size());
    EXPECT_GT(pages[0].width, pages[0].height);
    const auto word = [&](const std::string& text) {
        const auto found = std::ranges::find(pages[0].words, text, &PdfWord::text);
        EXPECT_NE(found, pages[0].words.end()) << text;
        return found == pages[0].words.end() ? PdfWord{} : *found;
    };
    // A row of eight desks of 12-point Courier New fills the landscape width.
    EXPECT_LT(word("[Christophe]").left, pages[0].width - 18.0 - 12 * 7.2 + 1.0);
    EXPECT_NEAR(word("[Alexandria]").left, 18.0, 0.5);
    EXPECT_NEAR(word("[Christophe]").left, 18.0 + 7 * 13 * 7.2, 0.5);
    // Column 42 of 14-point Arial, whose average character is 904/2048 em wide, then three
    // blanks of 569/2048 em.
    const double heading = 18.0 + (42 * 904 + 3 * 569) / 2048.0 * 14;
    EXPECT_NEAR(word("FRONT").left, heading, 1.0);
    EXPECT_NEAR(word("REAR").left, heading, 1.0);
}

} // namespace
} // namespace quillmark::testing
