#include "classdata/text_encoding.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

TEST(TextEncodingTest, Windows1252RoundTripsAndWhatItCannotHoldBecomesAQuestionMark) {
    const std::string cp1252 = "Caf\xE9 \x80 \x96 O'Brien";
    const std::string utf8 = cp1252_to_utf8(cp1252);
    EXPECT_EQ("Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93 O'Brien", utf8);
    EXPECT_EQ(cp1252, utf8_to_cp1252(utf8));

    EXPECT_EQ("?", utf8_to_cp1252("\xE6\x9D\xB1"));
    EXPECT_EQ("a?b", utf8_to_cp1252("a\xFF"
                                    "b"));
    EXPECT_EQ("?", utf8_to_cp1252("\xC3"));
}

} // namespace
} // namespace quillmark
