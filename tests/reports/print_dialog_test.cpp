#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "pdf_reader.h"
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

namespace quillmark::testing {
namespace {

using PrintDialogTest = GuiFixture;

// What the dialog adds: its choices, the printer, the file opened once written, the gradebook back.
TEST_F(PrintDialogTest, TheClassReportPrintsInTheChosenOrderIntoTheSavedFile) {
    clear_class();
    class_file = "Period1.cls";
    asg_title[0] = "Quiz 1";
    students[0] = {"Bo", "Abercrombieson", "1002", {}, {}, {}, {}};
    const QPointer<QWidget> gradebook = new Form1;
    gradebook->show();
    gradebook->findChild<QAction*>(QStringLiteral("oca"))->trigger();
    const QPointer<QWidget> dialog = shown_window("Form9");
    ASSERT_NE(nullptr, dialog.data());
    EXPECT_FALSE(gradebook->isVisible());
    EXPECT_EQ(QStringLiteral("Print Overall Class Report?"), dialog->windowTitle());
    EXPECT_EQ(QStringLiteral("\"Period1.cls\""),
              dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text());
    QTest::mouseClick(dialog->findChild<QRadioButton*>(QStringLiteral("Option1(1)")),
                      Qt::LeftButton);
    const QString file = QString::fromStdString((folder() / "report.pdf").string());
    dialogs.expect_save_file(
        QDir{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}.filePath(
            QStringLiteral("Period1 - Overall Class Report.pdf")),
        file);
    auto* printers = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
    const QList<QListWidgetItem*> found =
        printers->findItems(QStringLiteral("PDF File"), Qt::MatchExactly);
    ASSERT_EQ(1, found.size());
    printers->setCurrentItem(found.front());
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(gradebook->isVisible());
    EXPECT_TRUE(list_by_name);
    const std::vector<PdfWord> words = pdf_pages(file).at(0).words;
    EXPECT_NE(words.end(), std::ranges::find(words, "Abercrombi", &PdfWord::text));
    EXPECT_EQ(QList<QUrl>{QUrl::fromLocalFile(file)}, dialogs.opened_urls());
}

} // namespace
} // namespace quillmark::testing
