#include "access/terminal_logon.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <pty.h>
#include <sstream>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <tuple>
#include <unistd.h>
#include <utmp.h>

namespace quillmark {
namespace {

TEST(TerminalLogOn, ReadsOneLineWithoutItsEndAndNoMoreThanTheBound) {
    const std::string longest(max_typed_password_bytes, 'a');
    // The input, the line read and what is left.
    using Row = std::tuple<std::string, std::optional<std::string>, std::string>;
    for (const auto& [input, line, left] : {Row{"", std::nullopt, ""},
                                            {"\n", "", ""},
                                            {"pw\r\nnext", "pw", "next"},
                                            {"pw", "pw", ""},
                                            {longest + "bc\n", longest, "bc\n"}}) {
        std::istringstream in{input};
        EXPECT_EQ(line, read_password_line(in)) << input;
        EXPECT_EQ(left, std::string(std::istreambuf_iterator<char>{in}, {})) << input;
    }
}

bool echoes(int terminal) {
    termios settings{};
    return ::tcgetattr(terminal, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
}

// The command line's prompt, in a child on a terminal whose end the test keeps open to look at
// the settings after the child is gone; Ctrl+C typed at the terminal, or a kill.
TEST(TerminalLogOn, ASignalAtThePromptGivesTheEchoBackThenEndsTheProgramAsItWould) {
    for (const int sent : {SIGINT, SIGTERM}) {
        int control = -1;
        int terminal = -1;
        ASSERT_EQ(0, ::openpty(&control, &terminal, nullptr, nullptr, nullptr));
        ASSERT_TRUE(echoes(terminal));
        const pid_t child = ::fork();
        ASSERT_LE(0, child);
        if (child == 0) {
            ::close(control);
            if (::login_tty(terminal) == 0) {
                static_cast<void>(read_typed_password("Password: "));
            }
            ::_exit(0);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds{10};
        while (echoes(terminal) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds{5});
        }
        ASSERT_FALSE(echoes(terminal)) << sent;
        if (sent == SIGINT) {
            ASSERT_EQ(1, ::write(control, "\x03", 1));
        } else {
            ::kill(child, sent);
        }
        int status = 0;
        ASSERT_EQ(child, ::waitpid(child, &status, 0));
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sent) << sent;
        EXPECT_TRUE(echoes(terminal)) << sent;
        ::close(control);
        ::close(terminal);
    }
}

} // namespace
} // namespace quillmark
