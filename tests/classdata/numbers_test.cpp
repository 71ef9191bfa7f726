#include "classdata/numbers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace quillmark {
namespace {

TEST(Numbers, ANumberTooLargeToHoldIsNoNumberAndOneTooSmallIsZero) {
    for (const char* text : {"1e999", "0.5e999", ".1e400", "-1e999", "  9e308 ", "1e99999999999"}) {
        EXPECT_EQ(std::nullopt, parse_number(text)) << text;
        EXPECT_TRUE(std::isinf(leading_number(text))) << text;
    }
    EXPECT_EQ(1.7e308, parse_number("1.7e308"));
    EXPECT_EQ(-1.7e308, leading_number("-1.7e308 points"));
    for (const char* text :
         {"1e-999", "0.5e-999", "-.1e-400", "123e-99999999999", "0.000000001e-400"}) {
        EXPECT_EQ(0.0, parse_number(text)) << text;
        EXPECT_EQ(0.0, leading_number(text)) << text;
    }
    // The digits around the point count as much as the exponent.
    EXPECT_EQ(std::nullopt, parse_number("1" + std::string(400, '0') + "e-50"));
    EXPECT_EQ(0.0, parse_number("0." + std::string(400, '0') + "1e50"));
}

TEST(Numbers, RoundingKeepsTheWholeSixteenBitRangeAndRefusesBeyondIt) {
    EXPECT_EQ(std::int16_t{-32768}, round_to_int16(-32768.0));
    EXPECT_EQ(std::int16_t{-32768}, round_to_int16(-32768.5));
    EXPECT_EQ(std::int16_t{32767}, round_to_int16(32767.49));
    EXPECT_EQ(std::int16_t{6}, round_to_int16(6.5));
    EXPECT_EQ(std::int16_t{-8}, round_to_int16(-7.5));
    for (const double value : {-32768.51, 32767.5, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(std::nullopt, round_to_int16(value)) << value;
    }
}

} // namespace
} // namespace quillmark
