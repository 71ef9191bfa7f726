#include "classdata/class_data.h"
#include "reports/print_dialog.h"
#include "reports/qt_page_printer.h"
#include "reports/report_kind.h"
#include "support/dialog_script.h"
#include "ui/printer_list.h"

#include <cups/cups.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Printing to a real CUPS queue of the test's own scheduler.
namespace quillmark::testing {
namespace {

const std::string queue = "Quillmark-Test";

// The administration tools of CUPS live in sbin, which a user's PATH often lacks.
QString tool_path(const char* tool) {
    const QString name = QString::fromLatin1(tool);
    const QString path = QStandardPaths::findExecutable(name);
    return path.isEmpty()
               ? QStandardPaths::findExecutable(
                     name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")})
               : path;
}

bool run(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool_path(tool), arguments);
    const bool done = process.waitForFinished(20000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    EXPECT_TRUE(done) << tool << ": " << process.errorString().toStdString() << ' '
                      << process.readAll().toStdString();
    return done;
}

// A scheduler in a temporary folder on its own socket: no service of the machine is used or
// touched. Once started, this process's print service calls (Qt's and ours) go to it.
class CupsServer {
public:
    CupsServer() {
        const QString root = folder_.path();
        // The filters run as the scheduler's user "lp" when the test runs as root.
        ::chmod(root.toLocal8Bit().constData(), 0755);
        for (const char* sub : {"spool", "tmp", "cache", "state", "log"}) {
            QDir{root}.mkpath(QString::fromLatin1(sub));
        }
        ::chmod((root + "/tmp").toLocal8Bit().constData(), 0777);
        const QString socket = root + "/cups.sock";
        QString files =
            QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                           "CacheDir %1/cache\nStateDir %1/state\n"
                           "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                           "PageLog %1/log/page_log\nPrintcap %1/printcap\nFileDevice Yes\n")
                .arg(root);
        if (geteuid() != 0) {
            // An ordinary user's scheduler runs everything as that user and administers itself.
            files += QStringLiteral("User %1\nGroup %2\nSystemGroup %2\n")
                         .arg(QString::fromLocal8Bit(getpwuid(geteuid())->pw_name),
                              QString::fromLocal8Bit(getgrgid(getegid())->gr_name));
        }
        write(root + "/cups-files.conf", files);
        write(root + "/cupsd.conf", QStringLiteral("Listen %1\nLogLevel warn\nBrowsing No\n"
                                                   "<Location />\nOrder allow,deny\nAllow all\n"
                                                   "</Location>\n")
                                        .arg(socket));
        // Before anything here asks the print service for the first time.
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        cupsSetServer(socket.toLocal8Bit().constData());

        scheduler_.setProcessChannelMode(QProcess::MergedChannels);
        scheduler_.start(tool_path("cupsd"),
                         {QStringLiteral("-f"), QStringLiteral("-c"), root + "/cupsd.conf",
                          QStringLiteral("-s"), root + "/cups-files.conf"});
        // Up to 20 seconds for it to answer.
        for (int wait = 0; wait < 200 && scheduler_.waitForStarted(10000) &&
                           scheduler_.state() == QProcess::Running;
             ++wait) {
            if (http_t* connection = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                                  HTTP_ENCRYPTION_IF_REQUESTED, 1, 1000, nullptr)) {
                httpClose(connection);
                return;
            }
            QTest::qSleep(100);
        }
        scheduler_.waitForFinished(100);
        ADD_FAILURE() << "cupsd did not answer (is the cups package installed?): "
                      << scheduler_.errorString().toStdString()
                      << scheduler_.readAll().toStdString();
    }
    // Still running after ten seconds, QProcess's own destructor kills it.
    ~CupsServer() {
        scheduler_.terminate();
        scheduler_.waitForFinished(10000);
    }

    // The titles of the jobs the queue took, whatever became of them.
    static std::vector<std::string> job_titles() {
        cups_job_t* jobs = nullptr;
        const int count =
            cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
        std::vector<std::string> titles;
        for (int i = 0; i < count; ++i) {
            titles.emplace_back(jobs[i].title);
        }
        cupsFreeJobs(count, jobs);
        return titles;
    }

private:
    static void write(const QString& path, const QString& text) {
        QFile file{path};
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0)
            << path.toStdString();
    }

    QTemporaryDir folder_;
    QProcess scheduler_;
};

class PrintQueueTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        // A queue that takes jobs through the CUPS-PDF driver and prints them into nothing.
        ASSERT_TRUE(run("lpadmin", {QStringLiteral("-p"), QString::fromStdString(queue),
                                    QStringLiteral("-E"), QStringLiteral("-v"),
                                    QStringLiteral("file:///dev/null"), QStringLiteral("-P"),
                                    QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")}));
        clear_class();
        class_file = "Period1.cls";
        asg_title[0] = "Quiz 1";
        asg_points[0] = 10;
        students[0] = {"Ana", "Lee", "1001", {}, {}, {}, {}};
        selected_assignment = 0;
        opener = new QWidget;
        opener->show();
    }

    // Prints the assignment report on the queue from the print dialog.
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
    const QStringList name{QString::fromStdString(queue)};
    ASSERT_TRUE(run("cupsreject", name));
    dialogs.expect_message(QStringLiteral("Could not print to \"Quillmark-Test\": it does not "
                                          "accept jobs."),
                           ui::Answer::ok, ui::Icon::exclamation);
    print_from_dialog();
    EXPECT_TRUE(dialogs.done());
    EXPECT_EQ(std::vector<std::string>{}, CupsServer::job_titles());

    ASSERT_TRUE(run("cupsaccept", name));
    print_from_dialog();
    EXPECT_EQ(std::vector<std::string>{"Period1 - Individual Assignment Report"},
              CupsServer::job_titles());

    // The queue stops taking jobs while the document is drawn: its answer to the job counts.
    const std::unique_ptr<QPrinter> printer =
        ui::system_printer(QString::fromStdString(queue), QStringLiteral("Late"));
    QtPagePrinter page_printer{*printer};
    page_printer.print_line("Quillmark");
    ASSERT_TRUE(run("cupsreject", name));
    page_printer.end_document();
    EXPECT_EQ("it refused the job (Destination \"Quillmark-Test\" is not accepting jobs)",
              page_printer.failure().toStdString());
    EXPECT_EQ(1U, CupsServer::job_titles().size());
}

} // namespace
} // namespace quillmark::testing
