#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "pdf_reader.h"
#include "reports/print_dialog.h"
#include "reports/report_kind.h"
#include "support/dialog_script.h"
#include "ui/clock.h"

#include <algorithm>
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

// What the dialog adds to the printouts: which one, with which choices, on which printer.
namespace quillmark::testing {
namespace {

class PrintDialogTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        clear_class();
        class_file = "Period1.cls";
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
        const QString answer =
            file != nullptr ? QString::fromStdString((folder() / file).string()) : QString{};
        dialogs.expect_save_file(proposed(proposal), answer);
        click("Command1");
        return answer;
    }
    static QString proposed(const char* name) {
        return QDir{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}.filePath(
            QString::fromLatin1(name));
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

// The chart prints the desks as they were when the dialog opened; the class report in blocks
// of ten, in the order chosen; the reports of one student and one assignment the selected ones.
TEST_F(PrintDialogTest, ThePdfPrinterPrintsTheChosenPrintoutWhereTheSaveDialogSays) {
    Desks desks{};
    desks[0].text = "Alexandria";
    open(report_kind::seating_chart, &desks);
    desks[0].text = "changed";
    printers()->setCurrentRow(printers()->count() - 1);
    const QString chart = print_saving("Period1 - Seating Chart.pdf", "chart.pdf");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("[Alexandria] [ ] [ ] [ ] [ ] [ ] [ ] [ ]", pdf_lines(chart).at(4));

    // With no printer chosen, the one used last prints again. Cancelling the save dialog prints
    // nothing and leaves the choice open.
    students[0].last_name = "M\xfcller";
    students[0].scores[0] = 9;
    open(report_kind::overall_class);
    printers()->clearSelection();
    QTest::mouseClick(control<QRadioButton>("Option1(1)"), Qt::LeftButton);
    print_saving("Period1 - Overall Class Report.pdf");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(control<QPushButton>("Command1")->isEnabled());
    const QString report = print_saving("Period1 - Overall Class Report.pdf", "report.pdf");
    EXPECT_TRUE(handed_back());
    EXPECT_TRUE(list_by_name);
    // A new printer for each printout: the chart's landscape page does not stay.
    const PdfPage first_page = pdf_pages(report).at(0);
    EXPECT_LT(first_page.width, first_page.height);
    const std::vector<std::string> lines = pdf_lines(report);
    EXPECT_EQ(2, std::ranges::count(lines, "Quillmark - " + ui::short_date_now()));
    EXPECT_EQ(1, std::ranges::count(lines, "M\u00fcller 9 0 0 0 0 0 0 0 0 0 (8.18)"));

    selected_student = 0;
    selected_assignment = 10;
    open(report_kind::individual_student);
    const QString student = print_saving("Period1 - Individual Student Report.pdf", "s.pdf");
    open(report_kind::individual_assignment);
    const QString assignment = print_saving("Period1 - Individual Assignment Report.pdf", "a.pdf");
    EXPECT_EQ(
        1, std::ranges::count(pdf_lines(student), "Individual Student Analysis: Ana M\u00fcller"));
    EXPECT_EQ(1,
              std::ranges::count(pdf_lines(assignment), "Individual Assignment Analysis: Quiz 11"));
    EXPECT_EQ((QList<QUrl>{QUrl::fromLocalFile(chart), QUrl::fromLocalFile(report),
                           QUrl::fromLocalFile(student), QUrl::fromLocalFile(assignment)}),
              dialogs.opened_urls());
}

TEST_F(PrintDialogTest, AFileNotWrittenIsReportedAndNotOpened) {
    open(report_kind::individual_assignment);
    printers()->setCurrentRow(printers()->count() - 1);
    const QString file = QString::fromStdString((folder() / "no such folder/report.pdf").string());
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
    EXPECT_TRUE(dialogs.opened_urls().isEmpty());
}

} // namespace
} // namespace quillmark::testing
