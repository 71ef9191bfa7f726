#include "grading/number_text.h"

#include <gtest/gtest.h>
#include <limits>

namespace quillmark {
namespace {

TEST(NumberTextTest, PlainDecimalWithSignPositionToFifteenSignificantDigits) {
    EXPECT_EQ(" 0", number_text(-0.0));
    EXPECT_EQ("-3", number_text(-3));
    EXPECT_EQ(" 100", number_text(100));
    EXPECT_EQ(" 85.5", number_text(85.5));
    EXPECT_EQ(" .5", number_text(0.5));
    EXPECT_EQ("-.25", number_text(-0.25));
    EXPECT_EQ(" 29", number_text(28.999999999999996));
    EXPECT_EQ(" 66.6666666666667", number_text(2.0 / 3 * 100));
}

TEST(NumberTextTest, ExponentFormOutsideThePlainRangeDecidedByTheRoundedValue) {
    EXPECT_EQ(" 1E-05", number_text(0.00001));
    EXPECT_EQ(" 1E+15", number_text(1e15));
    EXPECT_EQ(" 4.94065645841247E-324", number_text(std::numeric_limits<double>::denorm_min()));
    EXPECT_EQ(" 1E+15", number_text(999999999999999.9));
    EXPECT_EQ(" .0001", number_text(0.0000999999999999999999));
    EXPECT_EQ(" 9.99999999999994E-05", number_text(0.0000999999999999994));
    EXPECT_EQ(" 0", number_text(std::numeric_limits<double>::infinity()));
}

} // namespace
} // namespace quillmark
