#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "pdf_reader.h"
#include "support/dialog_script.h"

#include <algorithm>
#include <cups/cups.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace quillmark::testing {
namespace {

// The print dialog of the class report, opened from the gradebook's menu.
class PrintDialogTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        clear_class();
        class_file = "Period1.cls";
        asg_title[0] = "Quiz 1";
        students[0] = {"Bo", "Abercrombieson", "1002", {}, {}, {}, {}};
        gradebook = new Form1;
        gradebook->show();
        gradebook->findChild<QAction*>(QStringLiteral("oca"))->trigger();
        dialog = shown_window("Form9");
        ASSERT_NE(nullptr, dialog.data());
    }
    // Prints on the printer of this name: the dialog closes and the gradebook shows again.
    void print_on(const QString& name) {
        auto* printers = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
        const QList<QListWidgetItem*> found = printers->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(1, found.size());
        printers->setCurrentItem(found.front());
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull());
        EXPECT_TRUE(gradebook->isVisible());
    }

    QPointer<QWidget> gradebook;
    QPointer<QWidget> dialog;
};

// What the dialog adds to the printout: which one, with which choices, on which printer, into
// which file, opened once written.
TEST_F(PrintDialogTest, TheClassReportPrintsInTheChosenOrderIntoTheSavedFile) {
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
    print_on(QStringLiteral("PDF File"));
    EXPECT_TRUE(list_by_name);
    const std::vector<PdfWord> words = pdf_pages(file).at(0).words;
    EXPECT_NE(words.end(), std::ranges::find(words, "Abercrombi", &PdfWord::text));
    EXPECT_EQ(QList<QUrl>{QUrl::fromLocalFile(file)}, dialogs.opened_urls());
}

// A CUPS scheduler in a temporary folder on its own socket, with one queue: no service of the
// machine is used or touched, and this process's print service calls (Qt's and ours) go to it.
class PrintQueueTest : public PrintDialogTest {
protected:
    void SetUp() override {
        const QString root = folder_.path();
        // The filters run as the scheduler's user "lp" when the test runs as root.
        ::chmod(root.toLocal8Bit().constData(), 0755);
        const QString socket = root + "/cups.sock";
        QString files = QStringLiteral("ServerRoot %1\nRequestRoot %1\nTempDir /tmp\nCacheDir %1\n"
                                       "StateDir %1\nErrorLog %1/log\nAccessLog %1/log\n"
                                       "PageLog %1/log\nPrintcap %1/printcap\nFileDevice Yes\n")
                            .arg(root);
        if (geteuid() != 0) {
            // An ordinary user's scheduler runs everything as that user and administers itself.
            files += QStringLiteral("User %1\nGroup %2\nSystemGroup %2\n")
                         .arg(QString::fromLocal8Bit(getpwuid(geteuid())->pw_name),
                              QString::fromLocal8Bit(getgrgid(getegid())->gr_name));
        }
        const QString conf =
            QStringLiteral("Listen %1\nBrowsing No\n<Location />\nAllow all\n</Location>\n")
                .arg(socket);
        for (const auto& [name, text] :
             {std::pair{"/cups-files.conf", files}, {"/cupsd.conf", conf}}) {
            QFile file{root + name};
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0);
        }
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        cupsSetServer(socket.toLocal8Bit().constData());
        // The tools of CUPS live in sbin, which a user's PATH often lacks.
        scheduler_.setProcessChannelMode(QProcess::MergedChannels);
        scheduler_.start(QStringLiteral("/usr/sbin/cupsd"),
                         {QStringLiteral("-f"), QStringLiteral("-c"), root + "/cupsd.conf",
                          QStringLiteral("-s"), root + "/cups-files.conf"});
        ASSERT_TRUE(scheduler_.waitForStarted(10000)) << "is the cups package installed?";
        // Up to 20 seconds for it to answer.
        http_t* connection = nullptr;
        for (int wait = 0; wait < 200 && scheduler_.state() == QProcess::Running && !connection;
             ++wait) {
            QTest::qSleep(100);
            connection = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                      HTTP_ENCRYPTION_IF_REQUESTED, 1, 1000, nullptr);
        }
        ASSERT_NE(nullptr, connection) << scheduler_.readAll().toStdString();
        httpClose(connection);
        // A queue that takes jobs through the CUPS-PDF driver and prints them into nothing.
        ASSERT_EQ(0,
                  QProcess::execute(QStringLiteral("/usr/sbin/lpadmin"),
                                    {QStringLiteral("-p"), QStringLiteral("Quillmark-Test"),
                                     QStringLiteral("-E"), QStringLiteral("-v"),
                                     QStringLiteral("file:///dev/null"), QStringLiteral("-P"),
                                     QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")}));
        PrintDialogTest::SetUp();
    }
    void TearDown() override {
        scheduler_.terminate();
        scheduler_.waitForFinished(10000);
        PrintDialogTest::TearDown();
    }

    QTemporaryDir folder_;
    QProcess scheduler_;
};

TEST_F(PrintQueueTest, TheChosenQueueGetsTheJob) {
    print_on(QStringLiteral("Quillmark-Test"));
    cups_job_t* jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "Quillmark-Test", 0, CUPS_WHICHJOBS_ALL);
    ASSERT_EQ(1, count);
    EXPECT_EQ(std::string{"Period1 - Overall Class Report"}, jobs[0].title);
    cupsFreeJobs(count, jobs);
}

} // namespace
} // namespace quillmark::testing
