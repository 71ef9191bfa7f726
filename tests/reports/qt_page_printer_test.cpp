#include "classdata/class_data.h"
#include "pdf_reader.h"
#include "reports/class_report.h"
#include "reports/qt_page_printer.h"
#include "reports/seating_chart_printout.h"
#include "support/dialog_script.h"
#include "ui/printer_list.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>

namespace quillmark::testing {
namespace {

constexpr const char* today = "12/31/2026";

class QtPagePrinterTest : public GuiFixture {
protected:
    // Prints with print into name in the test's folder, on paper of this size; returns the
    // file's pages and the paper's margins.
    std::pair<std::vector<PdfPage>, QMarginsF>
    print_into(const char* name, QPageSize::PageSizeId paper,
               const std::function<void(QtPagePrinter&)>& print) {
        const QString file = in_folder(name);
        std::unique_ptr<QPrinter> printer = ui::pdf_printer(file, "test");
        printer->setPageSize(QPageSize{paper});
        {
            QtPagePrinter page_printer{*printer};
            print(page_printer);
            EXPECT_TRUE(page_printer.failure().isEmpty()) << page_printer.failure().toStdString();
        }
        return {pdf_pages(file), printer->pageLayout().margins(QPageLayout::Point)};
    }
    QString in_folder(const char* name) const {
        return QString::fromStdString((folder() / name).string());
    }
};

TEST_F(QtPagePrinterTest, UnderlineDrawsALineUnderTheWholeText) {
    print_into("underline.pdf", QPageSize::A4, [&](QtPagePrinter& printer) {
        printer.set_font_name("Courier New");
        printer.set_font_size(12);
        printer.set_underline(true);
        printer.print_line("Student ID:");
        printer.end_document();
    });
    // The longest run of dark pixels along a row at 72 dots per inch: 11 characters of 12-point
    // Courier New are 79 points wide.
    const QImage page = QImage::fromData(
        QByteArray::fromStdString(
            run_tool("pdftoppm", {"-r", "72", "-gray", "-singlefile", in_folder("underline.pdf")})
                .str()),
        "PGM");
    ASSERT_FALSE(page.isNull());
    int longest = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0, run = 0; x < page.width(); ++x) {
            run = qGray(page.pixel(x, y)) < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    EXPECT_GE(longest, 75);
}

// The heights the printer gives the printouts are the ones it breaks pages by, also on A4, where
// pages are drawn smaller.
TEST_F(QtPagePrinterTest, RoomLeftAndNewPageAgreeWithWherePagesBreak) {
    int lines_per_page = 0;
    const std::vector<PdfPage> pages =
        print_into("pages.pdf", QPageSize::A4, [&](QtPagePrinter& printer) {
            printer.set_font_name("Courier New");
            printer.set_font_size(12);
            const double line = printer.line_height("Courier New", 12);
            EXPECT_EQ(line, printer.current_line_height());
            EXPECT_LT(printer.line_height("Courier New", 10), line);
            const double page = printer.room_left();
            lines_per_page = static_cast<int>(std::floor(page / line));
            ASSERT_GT(lines_per_page, 40);

            printer.new_page(); // nothing printed yet: no empty page
            for (int i = 0; i < lines_per_page; ++i) {
                printer.print_line("first " + std::to_string(i));
            }
            EXPECT_NEAR(page - lines_per_page * line, printer.room_left(), 0.01);
            printer.print_line("second");
            EXPECT_NEAR(page - line, printer.room_left(), 0.01);
            printer.new_page();
            EXPECT_EQ(page, printer.room_left());
            printer.print_line("third");
            printer.end_document();
        }).first;
    ASSERT_EQ(3U, pages.size());
    EXPECT_EQ(static_cast<std::size_t>(2 * lines_per_page), pages[0].words.size());
    EXPECT_EQ("second", pages[1].words.at(0).text);
    EXPECT_EQ("third", pages[2].words.at(0).text);
}

// Every field at its longest: 30-character titles and names, 10-character IDs and desks,
// three-digit numbers, in the widest printout and the landscape one. They are also read for their
// faces and the chart's columns.
TEST_F(QtPagePrinterTest, TheClassReportAndTheChartStayWithinTheMarginsOnA4AndLetter) {
    class_file = "Period 1 Honors Biology.cls";
    instructor = "Dr. Alexandra Montgomery-Richardson";
    for (std::int16_t a = 0; a < 200; ++a) {
        asg_title[a] = "Chapter Eleven Take-Home Essay";
        asg_points[a] = 999;
    }
    for (std::int16_t s = 0; s < 3; ++s) {
        students[s].first_name = "Maximiliana-Josephine";
        students[s].last_name = "Montgomery-Richardson-Smythe";
        students[s].id_number = "1234567890";
        students[s].scores.fill(999);
    }
    Desks desks{};
    for (Desk& desk : desks) {
        desk.text = "Christopher M.";
    }
    const auto print = [&](std::string_view file, PagePrinter& printer) {
        if (file == "chart.pdf") {
            print_seating_chart(printer, desks, today);
            return;
        }
        for (std::int16_t first = 1; first <= 191; first += 10) {
            print_class_report(printer, first, static_cast<std::int16_t>(first + 9), today);
        }
        printer.end_document();
    };

    for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
        for (const char* file : {"class.pdf", "chart.pdf"}) {
            SCOPED_TRACE(std::string{file} + (paper == QPageSize::A4 ? " on A4" : " on Letter"));
            const auto [pages, margins] =
                print_into(file, paper, [&](QtPagePrinter& printer) { print(file, printer); });
            for (const PdfPage& page : pages) {
                for (const PdfWord& word : page.words) {
                    EXPECT_TRUE(word.left >= margins.left() - 0.5 &&
                                word.right <= page.width - margins.right() + 0.5 &&
                                word.top >= margins.top() - 0.5 &&
                                word.bottom <= page.height - margins.bottom() + 0.5)
                        << word.text << " at " << word.left << "-" << word.right << " of "
                        << page.width;
                }
            }
        }

        // Bold and italic reach the page, each face as its metric twin.
        const std::set<std::string> faces{"LiberationMono",        "LiberationMono-Bold",
                                          "LiberationMono-Italic", "LiberationSans",
                                          "LiberationSans-Bold",   "LiberationSans-Italic"};
        EXPECT_EQ(faces, pdf_fonts(in_folder("class.pdf")));
        // Cells of 13 characters of 12-point Courier New (7.2 points each) from the quarter-inch
        // margin; the heading at column 42 of 14-point Arial, whose average character is 904/2048
        // em, then three blanks of 569/2048 em.
        const PdfPage chart = pdf_pages(in_folder("chart.pdf")).at(0);
        EXPECT_GT(chart.width, chart.height);
        std::vector<double> cells;
        for (const PdfWord& word : chart.words) {
            if (word.text == "[Christophe]") {
                cells.push_back(word.left);
            }
        }
        ASSERT_EQ(72U, cells.size());
        EXPECT_NEAR(18.0, std::ranges::min(cells), 0.5);
        EXPECT_NEAR(18.0 + 7 * 13 * 7.2, std::ranges::max(cells), 0.5);
        const auto front = std::ranges::find(chart.words, "FRONT", &PdfWord::text);
        ASSERT_NE(chart.words.end(), front);
        EXPECT_NEAR(18.0 + (42 * 904 + 3 * 569) / 2048.0 * 14, front->left, 1.0);
    }
}

} // namespace
} // namespace quillmark::testing
