#include "support/cups_server.h"

#include <chrono>
#include <cstdlib>
#include <cups/cups.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <thread>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace quillmark::testing {
namespace {

// The administration tools live in sbin, which an ordinary user's PATH often lacks.
QString tool_path(const char* tool) {
    const QString name = QString::fromLatin1(tool);
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) {
        path = QStandardPaths::findExecutable(
            name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
    }
    return path;
}

bool write_file(const QString& path, const QString& text) {
    QFile file{path};
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

CupsServer::CupsServer() {
    const QDir root{folder_.path()};
    // The filters run as the scheduler's user "lp" when the test runs as root.
    QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                           QFile::ExeOther);
    for (const char* sub : {"spool", "tmp", "cache", "state", "log"}) {
        root.mkpath(QString::fromLatin1(sub));
    }
    QFile::setPermissions(root.filePath(QStringLiteral("tmp")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                              QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                              QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
    const QString socket = root.filePath(QStringLiteral("cups.sock"));
    QString files = QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                                   "CacheDir %1/cache\nStateDir %1/state\n"
                                   "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                   "PageLog %1/log/page_log\nPrintcap %1/printcap\n"
                                   "FileDevice Yes\n")
                        .arg(root.path());
    if (geteuid() != 0) {
        // An ordinary user's scheduler runs everything as that user and administers itself.
        const passwd* user = getpwuid(geteuid());
        const group* user_group = getgrgid(getegid());
        if (user != nullptr && user_group != nullptr) {
            files += QStringLiteral("User %1\nGroup %2\nSystemGroup %2\n")
                         .arg(QString::fromLocal8Bit(user->pw_name),
                              QString::fromLocal8Bit(user_group->gr_name));
        }
    }
    const QString server = QStringLiteral("Listen %1\nLogLevel warn\nBrowsing No\n"
                                          "<Location />\nOrder allow,deny\nAllow all\n"
                                          "</Location>\n")
                               .arg(socket);
    const QString cupsd = tool_path("cupsd");
    if (!folder_.isValid() || cupsd.isEmpty() ||
        !write_file(root.filePath(QStringLiteral("cups-files.conf")), files) ||
        !write_file(root.filePath(QStringLiteral("cupsd.conf")), server)) {
        ADD_FAILURE() << "cannot set up a CUPS scheduler (is the cups package installed?)";
        return;
    }

    // Before anything here asks the print service for the first time.
    setenv("CUPS_SERVER", socket.toLocal8Bit().constData(), 1);
    cupsSetServer(socket.toLocal8Bit().constData());

    scheduler_.setProcessChannelMode(QProcess::MergedChannels);
    scheduler_.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"),
                             root.filePath(QStringLiteral("cupsd.conf")), QStringLiteral("-s"),
                             root.filePath(QStringLiteral("cups-files.conf"))});
    if (!scheduler_.waitForStarted(10000)) {
        ADD_FAILURE() << "cupsd did not start: " << scheduler_.errorString().toStdString();
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds{20};
    while (std::chrono::steady_clock::now() < deadline && scheduler_.state() == QProcess::Running) {
        if (http_t* connection = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                              HTTP_ENCRYPTION_IF_REQUESTED, 1, 1000, nullptr)) {
            httpClose(connection);
            running_ = true;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds{100});
    }
    scheduler_.waitForFinished(100);
    ADD_FAILURE() << "cupsd did not answer: " << scheduler_.readAll().toStdString();
}

CupsServer::~CupsServer() {
    if (scheduler_.state() != QProcess::NotRunning) {
        scheduler_.terminate();
        if (!scheduler_.waitForFinished(10000)) {
            scheduler_.kill();
            scheduler_.waitForFinished(5000);
        }
    }
}

bool CupsServer::add_queue(const std::string& name) {
    return run("lpadmin",
               {QStringLiteral("-p"), QString::fromStdString(name), QStringLiteral("-E"),
                QStringLiteral("-v"), QStringLiteral("file:///dev/null"), QStringLiteral("-P"),
                QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")});
}

bool CupsServer::refuse_jobs(const std::string& name) {
    return run("cupsreject", {QString::fromStdString(name)});
}

bool CupsServer::accept_jobs(const std::string& name) {
    return run("cupsaccept", {QString::fromStdString(name)});
}

std::vector<std::string> CupsServer::job_titles(const std::string& name) const {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.c_str(), 0, CUPS_WHICHJOBS_ALL);
    std::vector<std::string> titles;
    for (int i = 0; i < count; ++i) {
        titles.emplace_back(jobs[i].title);
    }
    cupsFreeJobs(count, jobs);
    return titles;
}

bool CupsServer::run(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool_path(tool), arguments);
    const bool done = process.waitForFinished(20000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!done) {
        process.kill();
        process.waitForFinished(1000);
        ADD_FAILURE() << tool << " failed: " << process.errorString().toStdString() << ' '
                      << process.readAll().toStdString();
    }
    return done;
}

} // namespace quillmark::testing
