#include "classdata/class_data.h"
#include "pdf_reader.h"
#include "reports/class_report.h"
#include "reports/qt_page_printer.h"
#include "reports/seating_chart_printout.h"
#include "support/dialog_script.h"
#include "ui/printer_list.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <QPrinter>

namespace quillmark::testing {
namespace {

using QtPagePrinterTest = GuiFixture;

// Every field at its longest: 30-character titles and names, 10-character IDs and desks,
// three-digit numbers, in the widest printout, over many pages, and in the landscape one.
TEST_F(QtPagePrinterTest, TheClassReportAndTheChartStayWithinTheMarginsOnA4AndLetter) {
    const auto in_folder = [this](const char* name) {
        return QString::fromStdString((folder() / name).string());
    };
    class_file = "Period 1 Honors Biology.cls";
    instructor = "Dr. Alexandra Montgomery-Richardson";
    for (std::int16_t a = 0; a < 200; ++a) {
        asg_title[a] = "Chapter Eleven Take-Home Essay";
        asg_points[a] = 999;
    }
    for (std::int16_t s = 0; s < 3; ++s) {
        students[s] = {
            "Maximiliana-Josephine", "Montgomery-Richardson-Smythe", "1234567890", {}, {}, {}, {}};
        students[s].scores.fill(999);
    }
    Desks desks{};
    desks.fill({"Christopher M.", true});
    for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
        for (const char* name : {"class.pdf", "chart.pdf"}) {
            SCOPED_TRACE(std::string{name} + (paper == QPageSize::A4 ? " on A4" : " on Letter"));
            const QString file = in_folder(name);
            const std::unique_ptr<QPrinter> printer = ui::pdf_printer(file, "test");
            printer->setPageSize(QPageSize{paper});
            {
                QtPagePrinter page_printer{*printer};
                if (name == std::string_view{"chart.pdf"}) {
                    print_seating_chart(page_printer, desks, "12/31/2026");
                } else {
                    for (std::int16_t first = 1; first <= 191; first += 10) {
                        print_class_report(page_printer, first,
                                           static_cast<std::int16_t>(first + 9), "12/31/2026");
                    }
                    page_printer.end_document();
                }
                EXPECT_TRUE(page_printer.failure().isEmpty());
            }
            const QMarginsF margins = printer->pageLayout().margins(QPageLayout::Point);
            for (const PdfPage& page : pdf_pages(file)) {
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
        EXPECT_EQ((std::set<std::string>{"LiberationMono", "LiberationMono-Bold",
                                         "LiberationMono-Italic", "LiberationSans",
                                         "LiberationSans-Bold", "LiberationSans-Italic"}),
                  pdf_fonts(in_folder("class.pdf")));
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
