#include "classdata/class_data.h"
#include "reports/print_dialog.h"
#include "reports/report_kind.h"
#include "support/dialog_script.h"

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
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace quillmark::testing {
namespace {

// The administration tools of CUPS live in sbin, which a user's PATH often lacks.
bool run(const char* tool, const QStringList& arguments, QProcess& process) {
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("/usr/sbin/") + QString::fromLatin1(tool), arguments);
    return process.waitForStarted(10000);
}

// A scheduler in a temporary folder on its own socket: no service of the machine is used or
// touched, and this process's print service calls (Qt's and ours) go to it.
class PrintQueueTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        const QString root = folder_.path();
        // The filters run as the scheduler's user "lp" when the test runs as root.
        ::chmod(root.toLocal8Bit().constData(), 0755);
        QDir{root}.mkpath(QStringLiteral("tmp"));
        ::chmod((root + "/tmp").toLocal8Bit().constData(), 0777);
        const QString socket = root + "/cups.sock";
        QString files =
            QStringLiteral("ServerRoot %1\nRequestRoot %1\nTempDir %1/tmp\nCacheDir %1\n"
                           "StateDir %1\nErrorLog %1/log\nAccessLog %1/log\n"
                           "PageLog %1/log\nPrintcap %1/printcap\nFileDevice Yes\n")
                .arg(root);
        if (geteuid() != 0) {
            // An ordinary user's scheduler runs everything as that user and administers itself.
            files += QStringLiteral("User %1\nGroup %2\nSystemGroup %2\n")
                         .arg(QString::fromLocal8Bit(getpwuid(geteuid())->pw_name),
                              QString::fromLocal8Bit(getgrgid(getegid())->gr_name));
        }
        write(root + "/cups-files.conf", files);
        write(root + "/cupsd.conf",
              QStringLiteral("Listen %1\nBrowsing No\n<Location />\nAllow all\n</Location>\n")
                  .arg(socket));
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        cupsSetServer(socket.toLocal8Bit().constData());
        ASSERT_TRUE(run("cupsd",
                        {QStringLiteral("-f"), QStringLiteral("-c"), root + "/cupsd.conf",
                         QStringLiteral("-s"), root + "/cups-files.conf"},
                        scheduler_))
            << "is the cups package installed?";
        // Up to 20 seconds for it to answer.
        http_t* connection = nullptr;
        for (int wait = 0; wait < 200 && scheduler_.state() == QProcess::Running && !connection;
             ++wait, QTest::qSleep(100)) {
            connection = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                      HTTP_ENCRYPTION_IF_REQUESTED, 1, 1000, nullptr);
        }
        ASSERT_NE(nullptr, connection) << scheduler_.readAll().toStdString();
        httpClose(connection);
    }
    void TearDown() override {
        scheduler_.terminate();
        scheduler_.waitForFinished(10000);
        GuiFixture::TearDown();
    }
    static void write(const QString& path, const QString& text) {
        QFile file{path};
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0);
    }

    QTemporaryDir folder_;
    QProcess scheduler_;
};

TEST_F(PrintQueueTest, TheChosenQueueGetsTheJob) {
    // A queue that takes jobs through the CUPS-PDF driver and prints them into nothing.
    QProcess lpadmin;
    ASSERT_TRUE(run("lpadmin",
                    {QStringLiteral("-p"), QStringLiteral("Quillmark-Test"), QStringLiteral("-E"),
                     QStringLiteral("-v"), QStringLiteral("file:///dev/null"), QStringLiteral("-P"),
                     QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")},
                    lpadmin));
    ASSERT_TRUE(lpadmin.waitForFinished(20000) && lpadmin.exitCode() == 0)
        << lpadmin.readAll().toStdString();
    clear_class();
    class_file = "Period1.cls";
    QWidget opener;
    opener.show();
    open_print_dialog(opener, report_kind::individual_assignment);
    QPointer<QWidget> dialog = shown_window("Form9");
    ASSERT_NE(nullptr, dialog.data());
    auto* printers = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
    const auto queue = printers->findItems(QStringLiteral("Quillmark-Test"), Qt::MatchExactly);
    ASSERT_EQ(1, queue.size());
    printers->setCurrentItem(queue.front());
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());

    cups_job_t* jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "Quillmark-Test", 0, CUPS_WHICHJOBS_ALL);
    ASSERT_EQ(1, count);
    EXPECT_EQ(std::string{"Period1 - Individual Assignment Report"}, jobs[0].title);
    cupsFreeJobs(count, jobs);
}

} // namespace
} // namespace quillmark::testing
