#pragma once

#include <string>
#include <vector>

#include <QProcess>
#include <QTemporaryDir>

namespace quillmark::testing {

// A CUPS scheduler of the test's own, in a temporary folder and on its own socket: no service
// of the machine is used or touched, so the test runs on a machine where none is running. Once
// started, this process's print service calls (Qt's and ours) go to it. Every step is bounded
// in time; a failure fails the test.
class CupsServer {
public:
    CupsServer();
    ~CupsServer();
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    // Whether the scheduler started and answers.
    bool running() const { return running_; }

    // A queue that takes jobs through the CUPS-PDF driver and prints them into nothing.
    bool add_queue(const std::string& name);
    // The administrator's cupsreject and cupsaccept.
    bool refuse_jobs(const std::string& name);
    bool accept_jobs(const std::string& name);
    // The titles of the jobs the queue took, whatever became of them.
    std::vector<std::string> job_titles(const std::string& name) const;

private:
    bool run(const char* tool, const QStringList& arguments);

    QTemporaryDir folder_;
    QProcess scheduler_;
    bool running_ = false;
};

} // namespace quillmark::testing
