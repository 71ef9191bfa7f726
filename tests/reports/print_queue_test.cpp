#include "classdata/class_data.h"
#include "reports/print_dialog.h"
#include "reports/qt_page_printer.h"
#include "reports/report_kind.h"
#include "support/cups_server.h"
#include "support/dialog_script.h"
#include "ui/printer_list.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

// Printing to a real CUPS queue of the test's own scheduler.
namespace quillmark::testing {
namespace {

const std::string queue = "Quillmark-Test";

class PrintQueueTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        ASSERT_TRUE(cups.running());
        ASSERT_TRUE(cups.add_queue(queue));
        clear_class();
        class_file = "Period1.cls";
        asg_title[0] = "Quiz 1";
        asg_points[0] = 10;
        students[0] = {"Ana", "Lee", "1001", {}, {}, {}, {}};
        selected_assignment = 0;
        opener = new QWidget;
        opener->show();
    }

    // Prints the assignment report on the queue from the print dialog; the Print button stays
    // disabled while a message about it shows.
    void print_from_dialog() {
        open_print_dialog(*opener, report_kind::individual_assignment);
        QPointer<QWidget> dialog = shown_window("Form9");
        ASSERT_NE(nullptr, dialog.data());
        auto* printers = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
        const QList<QListWidgetItem*> items =
            printers->findItems(QString::fromStdString(queue), Qt::MatchExactly);
        ASSERT_EQ(1, items.size());
        printers->setCurrentItem(items.front());
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull());
    }

    CupsServer cups;
    QPointer<QWidget> opener;
};

TEST_F(PrintQueueTest, AQueueThatRefusesJobsIsNamedAndOneThatTakesThemGetsTheJob) {
    ASSERT_TRUE(cups.refuse_jobs(queue));
    dialogs.expect_message(QStringLiteral("Could not print to \"Quillmark-Test\": it does not "
                                          "accept jobs."),
                           ui::Answer::ok, ui::Icon::exclamation);
    print_from_dialog();
    EXPECT_TRUE(dialogs.done());
    EXPECT_EQ(std::vector<std::string>{}, cups.job_titles(queue));

    ASSERT_TRUE(cups.accept_jobs(queue));
    print_from_dialog();
    EXPECT_EQ(std::vector<std::string>{"Period1 - Individual Assignment Report"},
              cups.job_titles(queue));

    // The queue stops taking jobs while the document is drawn: its answer to the job counts.
    const std::unique_ptr<QPrinter> printer =
        ui::system_printer(QString::fromStdString(queue), QStringLiteral("Late"));
    QtPagePrinter page_printer{*printer};
    page_printer.print_line("Quillmark");
    ASSERT_TRUE(cups.refuse_jobs(queue));
    page_printer.end_document();
    EXPECT_EQ("it refused the job (Destination \"Quillmark-Test\" is not accepting jobs)",
              page_printer.failure().toStdString());
    EXPECT_EQ(1U, cups.job_titles(queue).size());
}

} // namespace
} // namespace quillmark::testing
