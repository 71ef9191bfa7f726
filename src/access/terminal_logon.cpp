#include "access/terminal_logon.h"

#include "access/failed_logon_log.h"
#include "access/password_check.h"
#include "access/password_file.h"
#include "classdata/class_data.h"
#include "classdata/text_encoding.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace quillmark {
namespace {

// What the signal handlers may touch: plain static data only.
termios saved_terminal{};
volatile std::sig_atomic_t reading = 0;
constexpr std::array<int, 4> signals_that_leave_the_terminal{SIGINT, SIGQUIT, SIGTERM, SIGTSTP};

void echo_off() {
    termios quiet = saved_terminal;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
}

void echo_back() {
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_terminal);
}

extern "C" void give_the_echo_back(int signal);

void catch_signal(int signal) {
    struct sigaction action {};
    action.sa_handler = give_the_echo_back;
    // Restarting keeps the read going after a stop; no deferring lets the handler's own raise
    // act at once.
    action.sa_flags = SA_RESTART | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
}

extern "C" void give_the_echo_back(int signal) {
    const int saved_errno = errno;
    echo_back();
    std::signal(signal, SIG_DFL);
    ::raise(signal);
    // Only a stop returns here, once the program goes on.
    if (reading != 0) {
        catch_signal(signal);
        echo_off();
    }
    errno = saved_errno;
}

// Blocks the signals above while the terminal and the handlers change together.
class SignalsHeld {
public:
    SignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : signals_that_leave_the_terminal) {
            sigaddset(&held, signal);
        }
        ::pthread_sigmask(SIG_BLOCK, &held, &before_);
    }
    ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t before_{};
};

// Turns the echo off and restores the terminal however the reading ends.
class EchoOff {
public:
    EchoOff() {
        const SignalsHeld held;
        if (::tcgetattr(STDIN_FILENO, &saved_terminal) != 0) {
            return;
        }
        for (std::size_t i = 0; i < signals_that_leave_the_terminal.size(); ++i) {
            ::sigaction(signals_that_leave_the_terminal[i], nullptr, &before_[i]);
            catch_signal(signals_that_leave_the_terminal[i]);
        }
        reading = 1;
        echo_off();
    }
    ~EchoOff() {
        const SignalsHeld held;
        if (reading == 0) {
            return;
        }
        reading = 0;
        echo_back();
        for (std::size_t i = 0; i < signals_that_leave_the_terminal.size(); ++i) {
            ::sigaction(signals_that_leave_the_terminal[i], &before_[i], nullptr);
        }
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    std::array<struct sigaction, signals_that_leave_the_terminal.size()> before_{};
};

} // namespace

std::optional<std::string> read_password_line(std::istream& in) {
    std::string line;
    char character = 0;
    while (line.size() < max_typed_password_bytes) {
        if (!in.get(character)) {
            if (line.empty()) {
                return std::nullopt;
            }
            break;
        }
        if (character == '\n') {
            break;
        }
        line += character;
    }
    if (line.ends_with('\r')) {
        line.pop_back();
    }
    return line;
}

std::optional<std::string> read_typed_password(std::string_view prompt) {
    if (::isatty(STDIN_FILENO) == 0) {
        return read_password_line(std::cin);
    }
    std::cerr << prompt << std::flush;
    std::optional<std::string> line;
    {
        const EchoOff quiet;
        line = read_password_line(std::cin);
    }
    // The Enter that ended the entry was not echoed either.
    std::cerr << '\n';
    return line;
}

Result load_password() {
    StoredPassword stored = read_password_file();
    if (stored.read) {
        password = std::move(stored.line).value_or(no_password);
    }
    return stored.read;
}

bool log_on_with(std::string_view typed, std::string_view date, std::string_view time) {
    const std::string entry = utf8_to_cp1252(typed);
    // An entry the password's encoding cannot hold is never the password, even when its "?"
    // replacements would match.
    if (cp1252_to_utf8(entry) == typed && log_on(entry)) {
        return true;
    }
    // The log only reports; it never decides a log-on.
    static_cast<void>(append_failed_logon(date, time, entry));
    return false;
}

} // namespace quillmark
