#include "classdata/numbers.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

TEST(NumbersTest, RoundingTakesHalvesToEvenAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(6, round_to_int16(6.5));
    EXPECT_EQ(8, round_to_int16(7.5));
    EXPECT_EQ(4, round_to_int16(4.5));
    EXPECT_EQ(-2, round_to_int16(-2.5));
    EXPECT_EQ(32767, round_to_int16(32767.4));
    EXPECT_EQ(-32768, round_to_int16(-32768.0));
    EXPECT_EQ(std::nullopt, round_to_int16(32767.5));
    EXPECT_EQ(std::nullopt, round_to_int16(1e5));
    EXPECT_EQ(std::nullopt, round_to_int16(9e99));
    EXPECT_EQ(std::nullopt, round_to_int16(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(std::nullopt, round_to_int16(std::numeric_limits<double>::infinity()));
}

TEST(NumbersTest, ParseNumberTakesOnlyWholeNumericTexts) {
    EXPECT_EQ(4.0, parse_number("4"));
    EXPECT_EQ(4.0, parse_number("4."));
    EXPECT_EQ(0.5, parse_number(".5"));
    EXPECT_EQ(-3.0, parse_number("-3"));
    EXPECT_EQ(100.0, parse_number("1e2"));
    EXPECT_EQ(7.0, parse_number(" 7 "));
    EXPECT_EQ(5.0, parse_number("+5"));
    for (const char* text :
         {"", " ", "-", ".", "e", "E", "1e", "abc", "4x", "1 2", "inf", "nan", "0x10", "--1"}) {
        EXPECT_EQ(std::nullopt, parse_number(text)) << '"' << text << '"';
    }
}

TEST(NumbersTest, LeadingNumberReadsTheStartAndIgnoresBlanks) {
    EXPECT_EQ(18.0, leading_number(" 18 "));
    EXPECT_EQ(-1.0, leading_number("-1 "));
    EXPECT_EQ(12.0, leading_number("1 2"));
    EXPECT_EQ(2.5, leading_number("2.5abc"));
    EXPECT_EQ(0.0, leading_number("abc"));
    EXPECT_EQ(0.0, leading_number(""));
    EXPECT_EQ(300.0, leading_number("3e2"));
    EXPECT_EQ(3.0, leading_number("3e"));
}

} // namespace
} // namespace quillmark
