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
};

TEST_F(PdfPrintoutTest, ClassReportRunsOverPagesInItsFontsWithTheTableInColumns) {
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
    const auto count = [&](const std::string& line) { return std::ranges::count(lines, line); };
    EXPECT_EQ(3, count("Instructor: Mme B\u00e9r\u00e9nice"));
    EXPECT_EQ(1, count("Assignment # 21 22 23 24 25 26 27 28 29 30"));
    EXPECT_EQ(1, count("S1005 2 3 4 5 6 7 8 9 10 0 (50.4)"));
    EXPECT_EQ(1, count("S1005 0 E 2 0 0 0 0 0 0 0 (50.4)"));
    EXPECT_EQ(120, std::ranges::count_if(lines, [](const std::string& line) {
                  return line.starts_with("S1") && line.ends_with(")");
              }));

    // Some seventy lines a block need more than three pages; a page that overflowed would
    // put words below its bottom margin.
    const std::vector<PdfPage> pages = pdf_pages(file);
    EXPECT_GT(pages.size(), 3U);
    std::vector<double> averages;
    for (const PdfPage& page : pages) {
        for (const PdfWord& word : page.words) {
            EXPECT_GE(word.top, 17.0) << word.text;
            EXPECT_LE(word.bottom, page.height - 17.0) << word.text;
            if (word.text.starts_with("(")) {
                averages.push_back(word.left);
            }
        }
    }
    // Whatever the digits before it, every average starts at the same place: the table is
    // in a fixed-pitch face.
    ASSERT_EQ(120U, averages.size());
    const auto [leftmost, rightmost] = std::ranges::minmax(averages);
    EXPECT_NEAR(leftmost, rightmost, 0.1);

    const std::set<std::string> faces{"LiberationMono",        "LiberationMono-Bold",
                                      "LiberationMono-Italic", "LiberationSans",
                                      "LiberationSans-Bold",   "LiberationSans-Italic"};
    EXPECT_EQ(faces, pdf_fonts(file));
}

TEST_F(PdfPrintoutTest, StudentAndAssignmentReportsReadBack) {
    add_assignment(0, "Essay", 20);
    add_assignment(1, "Quiz", 50);
    add_student(0, "1001", "M\xfcller", {18, excused});
    add_student(1, "1002", "Montgomery-Smith", {10, 40});
    const auto file = print_pdf("reports.pdf", [](PagePrinter& out) {
        print_student_report(out, 0, today);
        print_assignment_report(out, 0, today);
        out.end_document();
    });

    const std::vector<std::string> lines = pdf_lines(file);
    for (const char* line :
         {"Individual Student Analysis: Pat M\u00fcller", "Average: 90%", "1. Essay 2. Quiz",
          "1 18 20 90 A", "2(EXCUSED)", "Individual Assignment Analysis: Essay",
          "(Student) (Points) (Percentage%) (Letter Grade)", "M\u00fcller 18 90 A",
          "Montgomery-S 10 50 F"}) {
        EXPECT_EQ(1, std::ranges::count(lines, line)) << line;
    }
}

TEST_F(PdfPrintoutTest, SeatingChartFillsALandscapeRowAndPutsHeadingsAtColumn42) {
    Desks desks{};
    desks[0].text = "Alexandria";
    desks[71].text = "Christopher M.";
    const auto file =
        print_pdf("chart.pdf", [&](PagePrinter& out) { print_seating_chart(out, desks, today); });

    const std::vector<PdfPage> pages = pdf_pages(file);
    ASSERT_EQ(1U, pages.size());
    const auto left_of = [&](const std::string& text) {
        const auto word = std::ranges::find(pages[0].words, text, &PdfWord::text);
        return word == pages[0].words.end() ? -1.0 : word->left;
    };
    // Cells of 13 characters of 12-point Courier New (7.2 points each).
    EXPECT_NEAR(18.0, left_of("[Alexandria]"), 0.5);
    EXPECT_NEAR(18.0 + 7 * 13 * 7.2, left_of("[Christophe]"), 0.5);
    // Column 42 of 14-point Arial, whose average character is 904/2048 em, then three blanks
    // of 569/2048 em.
    const double heading = 18.0 + (42 * 904 + 3 * 569) / 2048.0 * 14;
    EXPECT_NEAR(heading, left_of("FRONT"), 1.0);
    EXPECT_NEAR(heading, left_of("REAR"), 1.0);
}

} // namespace
} // namespace quillmark::testing
