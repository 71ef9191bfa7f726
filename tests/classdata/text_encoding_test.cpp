#include "classdata/text_encoding.h"

#include <gtest/gtest.h>
#include <string>

namespace quillmark {
namespace {

TEST(TextEncodingTest, UnstorableCharactersAreNamedOnceInTheOrderTyped) {
    EXPECT_EQ("", cp1252_unstorable(""));
    EXPECT_EQ("", cp1252_unstorable("Jos\u00e9 M\u00fcller \u2013 \u20ac5 \u201cA?\u201d \u0081"));
    EXPECT_EQ("\u0141", cp1252_unstorable("\u0141ukasz"));
    EXPECT_EQ("\u0141\u017a\u0119", cp1252_unstorable("\u0141\u00f3d\u017a \u0141\u0119k"));
    EXPECT_EQ("\U0001F600\u4E2D", cp1252_unstorable("a\U0001F600b\u4E2D\U0001F600"));
    // Broken bytes can never be shown as they are: they are named by the replacement character.
    EXPECT_EQ("\uFFFD", cp1252_unstorable("ab\xFF\xC3"));
}

TEST(TextEncodingTest, NothingIsNamedExactlyWhenTheTextSurvivesTheClassFile) {
    for (const std::string text :
         {"plain", "\u00c0\u00ff\u0152\u0178\u2122", "\u0100", "\u20ac\u20ad", "x\u02dc\u02dd",
          "\u00a0\u0180", "\u2022\u2023"}) {
        const bool survives = cp1252_to_utf8(utf8_to_cp1252(text)) == text;
        EXPECT_EQ(survives, cp1252_unstorable(text).empty()) << text;
    }
}

} // namespace
} // namespace quillmark
