#include "access/failed_logon_log.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

TEST(FailedLogonText, PutsEveryFieldOnALineOfItsOwn) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"d t one\r\nd t two\r\n", "d t one\r\nd t two\r\n"},
        {"d t a,,b\r\n", "d t a\r\n\r\nb\r\n"},
        {"d t trailing,", "d t trailing\r\n\r\n"},
        {"no line end", "no line end\r\n"},
        {"lf\nonly\n", "lf\r\nonly\r\n"},
        {"one\r\n\r\ntwo\r", "one\r\n\r\ntwo\r\n"},
    };
    for (const auto& [log, expected] : cases) {
        EXPECT_EQ(expected, failed_logon_text(log)) << log;
    }
}

} // namespace
} // namespace quillmark
