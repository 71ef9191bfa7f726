#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "pdf_reader.h"
#include "reports/print_dialog.h"
#include "reports/report_kind.h"
#include "support/dialog_script.h"
#include "ui/clock.h"
#include "ui/text.h"

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

namespace quillmark {
namespace {

class PrintDialogTest : public testing::GuiFixture {
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
        opener->setObjectName(QStringLiteral("Opener"));
        opener->show();
    }

    void open(std::int16_t kind, const Desks* desks = nullptr) {
        open_print_dialog(*opener, kind, desks);
        dialog = testing::shown_window("Form9");
        ASSERT_NE(nullptr, dialog.data());
    }

    template <typename Control> Control* control(const char* name) const {
        return dialog->findChild<Control*>(QString::fromLatin1(name));
    }
    QListWidget* printers() const { return control<QListWidget>("List1"); }
    void choose(const QString& printer) const {
        const QList<QListWidgetItem*> found = printers()->findItems(printer, Qt::MatchExactly);
        ASSERT_EQ(1, found.size());
        printers()->setCurrentItem(found.front());
    }
    void click(const char* name) const {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
    }

    // The dialog is gone and its opener shown again.
    bool handed_back() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull() && opener->isVisible();
    }

    static QString proposed(const char* name) {
        return QDir{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}.filePath(
            QString::fromLatin1(name));
    }
    QString in_folder(const char* name) const {
        return QString::fromStdString((folder() / name).string());
    }
    // Printed lines of the PDF file that start so.
    static long lines_starting(const QString& file, const std::string& start) {
        return std::ranges::count_if(
            testing::pdf_lines(file.toStdString()),
            [&](const std::string& line) { return line.starts_with(start); });
    }

    QPointer<QWidget> opener;
    QPointer<QWidget> dialog;
};

TEST_F(PrintDialogTest, EachPrintoutIsNamedWithItsOptionsAndCancelGoesBack) {
    selected_student = 1;
    selected_assignment = 10;
    struct Case {
        std::int16_t kind;
        const char* menu_entry;
        const char* title;
        const char* subject;
    };
    for (const Case& printout : {
             Case{report_kind::individual_student, "isa", "Print Individual Student Report?",
                  "\"Bo Abercrombieson\""},
             Case{report_kind::individual_assignment, "iaa", "Print Individual Assignment Report?",
                  "\"Quiz 11\""},
             Case{report_kind::overall_class, "oca", "Print Overall Class Report?",
                  "\"Period1.cls\""},
         }) {
        SCOPED_TRACE(printout.title);
        // The gradebook is the opener of the three reports.
        auto* gradebook = new Form1;
        opener = gradebook;
        gradebook->show();
        gradebook->findChild<QAction*>(QString::fromLatin1(printout.menu_entry))->trigger();
        dialog = testing::shown_window("Form9");
        ASSERT_NE(nullptr, dialog.data());
        EXPECT_FALSE(gradebook->isVisible());
        EXPECT_EQ(printout.kind, edit_slot);
        EXPECT_EQ(QString::fromLatin1(printout.title), dialog->windowTitle());
        EXPECT_EQ(QString::fromLatin1(printout.subject), control<QLabel>("Label1")->text());
        const bool options = printout.kind == report_kind::overall_class;
        EXPECT_EQ(options, control<QRadioButton>("Option1(0)")->isVisible());
        EXPECT_EQ(options, control<QRadioButton>("Option1(1)")->isVisible());
        EXPECT_TRUE(control<QRadioButton>("Option1(0)")->isChecked());
        EXPECT_EQ(0, printers()->currentRow());
        EXPECT_EQ(QStringLiteral("PDF File"), printers()->item(printers()->count() - 1)->text());
        click("Command2");
        EXPECT_TRUE(handed_back());
        delete gradebook;
    }

    opener = new QWidget;
    Desks desks{};
    open(report_kind::seating_chart, &desks);
    EXPECT_FALSE(opener->isVisible());
    EXPECT_EQ(QStringLiteral("Print Seating Chart?"), dialog->windowTitle());
    EXPECT_EQ(QStringLiteral("\"Period1.cls\""), control<QLabel>("Label1")->text());
    EXPECT_FALSE(control<QRadioButton>("Option1(0)")->isVisible());
    // Closed by its title bar, it goes back too.
    dialog->close();
    EXPECT_TRUE(handed_back());

    selected_student = -1;
    open(report_kind::individual_student);
    EXPECT_EQ(QStringLiteral("\"\""), control<QLabel>("Label1")->text());
}

TEST_F(PrintDialogTest, PdfPrinterSavesTheClassReportWhereChosenAndOpensIt) {
    open(report_kind::overall_class);
    choose(QStringLiteral("PDF File"));
    QTest::mouseClick(control<QRadioButton>("Option1(1)"), Qt::LeftButton);
    const QString proposal = proposed("Period1 - Overall Class Report.pdf");
    // Cancelling the save dialog prints nothing and leaves the choice open.
    dialogs.expect_save_file(proposal, {});
    click("Command1");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(control<QPushButton>("Command1")->isEnabled());
    EXPECT_TRUE(dialogs.opened_urls().isEmpty());

    const QString file = in_folder("report.pdf");
    dialogs.expect_save_file(proposal, file);
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_TRUE(list_by_name);
    EXPECT_EQ(QList<QUrl>{QUrl::fromLocalFile(file)}, dialogs.opened_urls());
    // Eleven assignments: two blocks in the one document, students keyed by last name.
    EXPECT_EQ(2, lines_starting(file, "Quillmark - " + ui::short_date_now()));
    EXPECT_EQ(2, lines_starting(file, "Abercrombi 0 0"));
}

TEST_F(PrintDialogTest, PrinterThatCannotWriteIsReportedAndNothingIsOpened) {
    open(report_kind::individual_assignment);
    choose(QStringLiteral("PDF File"));
    const QString file = in_folder("no such folder/report.pdf");
    dialogs.expect_save_file(proposed("Period1 - Individual Assignment Report.pdf"), file)
        .expect_message(
            QStringLiteral("Could not print to \"PDF File\": the file \"%1\" could not be written.")
                .arg(file),
            ui::Answer::ok, ui::Icon::exclamation);
    click("Command1");

    EXPECT_TRUE(handed_back());
    EXPECT_TRUE(dialogs.opened_urls().isEmpty());
}

TEST_F(PrintDialogTest, SeatingChartIsLandscapeAndLeavesTheNextPrintoutInPortrait) {
    Desks desks{};
    desks[9].text = "Alexandria";
    open(report_kind::seating_chart, &desks);
    desks[9].text = "changed after opening";
    choose(QStringLiteral("PDF File"));
    const QString chart = in_folder("chart.pdf");
    dialogs.expect_save_file(proposed("Period1 - Seating Chart.pdf"), chart);
    click("Command1");
    EXPECT_TRUE(handed_back());

    // With no printer chosen, the one used last prints again.
    open(report_kind::overall_class);
    printers()->clearSelection();
    const QString report = in_folder("report.pdf");
    dialogs.expect_save_file(proposed("Period1 - Overall Class Report.pdf"), report);
    click("Command1");
    EXPECT_TRUE(handed_back());

    const std::vector<testing::PdfPage> chart_pages = testing::pdf_pages(chart.toStdString());
    ASSERT_EQ(1U, chart_pages.size());
    EXPECT_GT(chart_pages[0].width, chart_pages[0].height);
    EXPECT_EQ(1, std::ranges::count(chart_pages[0].words, "[Alexandria]", &testing::PdfWord::text));
    for (const testing::PdfPage& page : testing::pdf_pages(report.toStdString())) {
        EXPECT_LT(page.width, page.height);
    }
}

} // namespace
} // namespace quillmark
