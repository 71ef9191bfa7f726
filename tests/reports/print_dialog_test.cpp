#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "pdf_reader.h"
#include "reports/print_dialog.h"
#include "reports/report_kind.h"
#include "support/dialog_script.h"
#include "ui/clock.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

namespace quillmark::testing {
namespace {

class PrintDialogTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        clear_class();
        class_file = "Period1.cls";
        instructor = "Ms. Rivera";
        for (std::int16_t a = 0; a < 11; ++a) {
            asg_title[a] = "Quiz " + std::to_string(a + 1);
            asg_points[a] = 10;
        }
        students[0] = {"Ana", "Lee", "1001", {}, {}, {}, {}};
        students[1] = {"Bo", "Abercrombieson", "1002", {}, {}, {}, {}};
        opener = new QWidget;
        opener->show();
    }

    void open(std::int16_t kind, const Desks* desks = nullptr) {
        open_print_dialog(*opener, kind, desks);
        dialog = shown_window("Form9");
        ASSERT_NE(nullptr, dialog.data());
    }

    template <typename Control> Control* control(const char* name) const {
        return dialog->findChild<Control*>(QString::fromLatin1(name));
    }
    QString label() const { return control<QLabel>("Label1")->text(); }
    QListWidget* printers() const { return control<QListWidget>("List1"); }
    // The built-in PDF printer ends the list.
    void choose_pdf() const { printers()->setCurrentRow(printers()->count() - 1); }
    void click(const char* name) const {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
    }

    // The dialog is gone and its opener shown again.
    bool handed_back() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull() && opener->isVisible();
    }

    // Print; the save dialog, proposing `proposal` in the documents folder, is answered with
    // `file` in the test's folder, or cancelled without one. Returns the file.
    QString print_saving(const char* proposal, const char* file = nullptr) {
        const QString answer = file != nullptr ? in_folder(file) : QString{};
        dialogs.expect_save_file(proposed(proposal), answer);
        click("Command1");
        return answer;
    }
    static QString proposed(const char* name) {
        return QDir{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}.filePath(
            QString::fromLatin1(name));
    }
    QString in_folder(const char* name) const {
        return QString::fromStdString((folder() / name).string());
    }

    QPointer<QWidget> opener;
    QPointer<QWidget> dialog;
};

TEST_F(PrintDialogTest, EachPrintoutIsNamedWithItsOptionsAndCancelGoesBack) {
    selected_student = 1;
    selected_assignment = 10;
    // The gradebook's menu opens the three reports.
    opener = new Form1;
    opener->show();
    const std::array<std::array<const char*, 3>, 3> reports{{
        {"isa", "Print Individual Student Report?", "\"Bo Abercrombieson\""},
        {"iaa", "Print Individual Assignment Report?", "\"Quiz 11\""},
        {"oca", "Print Overall Class Report?", "\"Period1.cls\""},
    }};
    for (const auto& [entry, title, subject] : reports) {
        SCOPED_TRACE(title);
        opener->findChild<QAction*>(QString::fromLatin1(entry))->trigger();
        dialog = shown_window("Form9");
        ASSERT_NE(nullptr, dialog.data());
        EXPECT_FALSE(opener->isVisible());
        EXPECT_EQ(QString::fromLatin1(title), dialog->windowTitle());
        EXPECT_EQ(QString::fromLatin1(subject), label());
        const bool class_report = std::string_view{entry} == "oca";
        EXPECT_EQ(class_report, control<QRadioButton>("Option1(0)")->isVisible());
        EXPECT_EQ(class_report, control<QRadioButton>("Option1(1)")->isVisible());
        EXPECT_TRUE(control<QRadioButton>("Option1(0)")->isChecked());
        click("Command2");
        EXPECT_TRUE(handed_back());
    }

    Desks desks{};
    open(report_kind::seating_chart, &desks);
    EXPECT_FALSE(opener->isVisible());
    EXPECT_EQ(QStringLiteral("Print Seating Chart?"), dialog->windowTitle());
    EXPECT_EQ(QStringLiteral("\"Period1.cls\""), label());
    EXPECT_FALSE(control<QRadioButton>("Option1(0)")->isVisible());
    EXPECT_EQ(0, printers()->currentRow());
    EXPECT_EQ(QStringLiteral("PDF File"), printers()->item(printers()->count() - 1)->text());
    // Closed by its title bar, it goes back too.
    dialog->close();
    EXPECT_TRUE(handed_back());

    selected_student = -1;
    open(report_kind::individual_student);
    EXPECT_EQ(QStringLiteral("\"\""), label());
}

TEST_F(PrintDialogTest, PdfPrinterSavesWhereChosenChartInLandscapeThenReportInPortrait) {
    Desks desks{};
    desks[0].text = "Alexandria";
    desks[71].text = "Christopher M.";
    open(report_kind::seating_chart, &desks);
    desks[0].text = "changed after opening";
    choose_pdf();
    const QString chart = print_saving("Period1 - Seating Chart.pdf", "chart.pdf");
    EXPECT_TRUE(handed_back());

    // Forty more students run the class report over pages. With no printer chosen, the one
    // used last prints again. Cancelling the save dialog prints nothing and leaves the choice
    // open.
    for (std::int16_t s = 2; s < 42; ++s) {
        students[s] = {"Pat", "Pupil", "S" + std::to_string(s), {}, {}, {}, {}};
        for (std::int16_t a = 0; a < 11; ++a) {
            students[s].scores[a] = static_cast<std::int16_t>((s * 7 + a) % 11);
        }
    }
    open(report_kind::overall_class);
    printers()->clearSelection();
    QTest::mouseClick(control<QRadioButton>("Option1(1)"), Qt::LeftButton);
    print_saving("Period1 - Overall Class Report.pdf");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(control<QPushButton>("Command1")->isEnabled());
    const QString report = print_saving("Period1 - Overall Class Report.pdf", "report.pdf");
    EXPECT_TRUE(handed_back());
    EXPECT_TRUE(list_by_name);
    EXPECT_EQ((QList<QUrl>{QUrl::fromLocalFile(chart), QUrl::fromLocalFile(report)}),
              dialogs.opened_urls());

    std::vector<PdfPage> pages = pdf_pages(chart);
    ASSERT_EQ(1U, pages.size());
    EXPECT_GT(pages[0].width, pages[0].height);
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

    // Eleven assignments: two blocks in the one document, students keyed by last name, none
    // lost at a page break.
    const std::vector<std::string> lines = pdf_lines(report);
    const auto starting = [&](const std::string& start) {
        return std::ranges::count_if(lines, [&](const std::string& line) {
            return line.starts_with(start) && line.ends_with(")");
        });
    };
    EXPECT_EQ(2, std::ranges::count(lines, "Quillmark - " + ui::short_date_now()));
    EXPECT_EQ(2, starting("Abercrombi 0 0"));
    EXPECT_EQ(80, starting("Pupil "));
    // Page after page in portrait, none overflowing its bottom margin. Whatever the digits
    // before it, every average starts at the same place: the table is in a fixed-pitch face.
    pages = pdf_pages(report);
    EXPECT_GT(pages.size(), 2U);
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
    ASSERT_EQ(84U, averages.size());
    const auto [leftmost, rightmost] = std::ranges::minmax(averages);
    EXPECT_NEAR(leftmost, rightmost, 0.1);
    const std::set<std::string> faces{"LiberationMono",        "LiberationMono-Bold",
                                      "LiberationMono-Italic", "LiberationSans",
                                      "LiberationSans-Bold",   "LiberationSans-Italic"};
    EXPECT_EQ(faces, pdf_fonts(report));
}

TEST_F(PrintDialogTest, StudentAndAssignmentReportsReadBackAndAFileNotWrittenIsReported) {
    students[0].last_name = "M\xfcller";
    students[0].scores[0] = 9;
    students[0].scores[1] = excused;
    selected_student = 0;
    selected_assignment = 0;
    open(report_kind::individual_student);
    choose_pdf();
    const QString student = print_saving("Period1 - Individual Student Report.pdf", "s.pdf");
    EXPECT_TRUE(handed_back());
    open(report_kind::individual_assignment);
    const QString assignment = print_saving("Period1 - Individual Assignment Report.pdf", "a.pdf");
    EXPECT_TRUE(handed_back());
    std::vector<std::string> lines = pdf_lines(student);
    std::ranges::copy(pdf_lines(assignment), std::back_inserter(lines));
    for (const char* line : {"Individual Student Analysis: Ana M\u00fcller", "1. Quiz 1 7. Quiz 7",
                             "1 9 10 90 A", "2(EXCUSED)", "Individual Assignment Analysis: Quiz 1",
                             "M\u00fcller 9 90 A", "Abercrombies 0 0 F"}) {
        EXPECT_EQ(1, std::ranges::count(lines, line)) << line;
    }

    // A file that cannot be written is reported, and nothing more is opened.
    open(report_kind::individual_assignment);
    const QString file = in_folder("no such folder/report.pdf");
    // A second click meanwhile must not start a second printout.
    const auto print_disabled = [&] {
        EXPECT_FALSE(control<QPushButton>("Command1")->isEnabled());
    };
    dialogs.expect_save_file(proposed("Period1 - Individual Assignment Report.pdf"), file)
        .while_shown(print_disabled)
        .expect_message(
            QStringLiteral("Could not print to \"PDF File\": the file \"%1\" could not be written.")
                .arg(file),
            ui::Answer::ok, ui::Icon::exclamation)
        .while_shown(print_disabled);
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ((QList<QUrl>{QUrl::fromLocalFile(student), QUrl::fromLocalFile(assignment)}),
              dialogs.opened_urls());
}

} // namespace
} // namespace quillmark::testing
