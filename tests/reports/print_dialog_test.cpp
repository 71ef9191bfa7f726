#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "pdf_reader.h"
#include "reports/print_dialog.h"
#include "reports/report_kind.h"
#include "support/dialog_script.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <QAction>
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
        opener = new Form1;
        opener->show();
    }

    template <typename Control> Control* control(const char* name) const {
        return dialog->findChild<Control*>(QString::fromLatin1(name));
    }
    void click(const char* name) const {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
    }
    // The dialog is gone and its opener shown again.
    bool handed_back() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull() && opener->isVisible();
    }
    // Prints on the PDF printer; the save dialog proposes `proposal` in the documents folder and
    // is answered with `file` in the test's folder. Returns the words of the file's first page.
    PdfPage print_to_pdf(const char* proposal, const char* file) {
        auto* printers = control<QListWidget>("List1");
        printers->setCurrentRow(printers->count() - 1);
        const QString path = QString::fromStdString((folder() / file).string());
        dialogs.expect_save_file(
            QDir{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}.filePath(
                QString::fromLatin1(proposal)),
            path);
        click("Command1");
        EXPECT_TRUE(handed_back());
        return pdf_pages(path).at(0);
    }
    static bool has_word(const PdfPage& page, const std::string& text) {
        return std::ranges::find(page.words, text, &PdfWord::text) != page.words.end();
    }

    QPointer<QWidget> opener;
    QPointer<QWidget> dialog;
};

TEST_F(PrintDialogTest, TheMenuNamesEachPrintoutWithItsOptionsAndCancelGoesBack) {
    selected_student = 1;
    selected_assignment = 10;
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
        EXPECT_EQ(QString::fromLatin1(subject), control<QLabel>("Label1")->text());
        const bool class_report = std::string_view{entry} == "oca";
        EXPECT_EQ(class_report, control<QRadioButton>("Option1(1)")->isVisible());
        click("Command2");
        EXPECT_TRUE(handed_back());
    }
}

// The chart prints the desks as they were when the dialog opened, on a page of its own
// orientation; the class report in the order chosen; each file is opened once written.
TEST_F(PrintDialogTest, ThePdfPrinterPrintsTheChosenPrintoutWhereTheSaveDialogSays) {
    Desks desks{};
    desks[0].text = "Alexandria";
    open_print_dialog(*opener, report_kind::seating_chart, &desks);
    dialog = shown_window("Form9");
    desks[0].text = "changed";
    EXPECT_TRUE(has_word(print_to_pdf("Period1 - Seating Chart.pdf", "chart.pdf"), "[Alexandria]"));

    open_print_dialog(*opener, report_kind::overall_class);
    dialog = shown_window("Form9");
    QTest::mouseClick(control<QRadioButton>("Option1(1)"), Qt::LeftButton);
    const PdfPage report = print_to_pdf("Period1 - Overall Class Report.pdf", "report.pdf");
    EXPECT_TRUE(list_by_name);
    EXPECT_TRUE(has_word(report, "Abercrombi"));
    EXPECT_LT(report.width, report.height);
    EXPECT_EQ((QList<QUrl>{
                  QUrl::fromLocalFile(QString::fromStdString((folder() / "chart.pdf").string())),
                  QUrl::fromLocalFile(QString::fromStdString((folder() / "report.pdf").string()))}),
              dialogs.opened_urls());
}

} // namespace
} // namespace quillmark::testing
