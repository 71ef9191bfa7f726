#include "access/terminal_logon.h"

#include "access/failed_logon_log.h"
#include "access/password_check.h"
#include "access/password_file.h"
#include "classdata/class_data.h"
#include "classdata/text_encoding.h"

#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace quillmark {
namespace {

// Restores the terminal however the reading ends.
class EchoOff {
public:
    EchoOff() {
        if (::tcgetattr(STDIN_FILENO, &saved_) == 0) {
            termios quiet = saved_;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            active_ = ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
        }
    }
    ~EchoOff() {
        if (active_) {
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
        }
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    termios saved_{};
    bool active_ = false;
};

std::optional<std::string> read_line() {
    std::string line;
    if (!std::getline(std::cin, line)) {
        return std::nullopt;
    }
    if (line.ends_with('\r')) {
        line.pop_back();
    }
    return line;
}

} // namespace

std::optional<std::string> read_typed_password(std::string_view prompt) {
    if (::isatty(STDIN_FILENO) == 0) {
        return read_line();
    }
    std::cerr << prompt << std::flush;
    std::optional<std::string> line;
    {
        const EchoOff quiet;
        line = read_line();
    }
    // The Enter that ended the entry was not echoed either.
    std::cerr << '\n';
    return line;
}

bool password_is_set() {
    password = read_password_file().value_or(no_password);
    return password != no_password;
}

bool log_on_with(const std::optional<std::string>& typed, std::string_view date,
                 std::string_view time) {
    const std::string entry = utf8_to_cp1252(typed.value_or(""));
    // An entry the password's encoding cannot hold is never the password, even when its "?"
    // replacements would match.
    if (typed && cp1252_to_utf8(entry) == *typed && log_on(entry)) {
        return true;
    }
    // The log only reports; it never decides a log-on.
    static_cast<void>(append_failed_logon(date, time, entry));
    return false;
}

} // namespace quillmark
