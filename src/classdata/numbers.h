#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillmark {

// Rounds to the nearest whole number, halves to the even neighbour (6.5 -> 6, 7.5 -> 8).
// A value that does not fit a signed 16-bit number after rounding (or is not finite) gives
// nothing: it is refused, never wrapped.
std::optional<std::int16_t> round_to_int16(double value);

// The whole text as a number, or nothing when it does not read as one: an optionally signed
// decimal number with an optional point, fraction and exponent, blanks allowed around it
// (4, 4., .5, -3, 1e2, " 7 "). A number too large for a double (0.5e999) is no number either;
// one too small to hold (1e-999) reads as 0.
std::optional<double> parse_number(std::string_view text);

// The decimal number at the start of the text, blanks ignored wherever they stand; 0 when the
// text does not begin with a number, infinite when the number is too large to hold. Never fails.
double leading_number(std::string_view text);

} // namespace quillmark
