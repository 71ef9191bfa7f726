#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillmark {

// A number as the panels and reports write it: a blank (or "-") for the sign, then at most 15
// significant digits with a full stop, no trailing zeros, no point for whole numbers, no zero
// before the point below 1 (" .5"), and exponent form below 0.0001 and from 1E+15 (" 1E-05").
// The rounded value decides the form (999999999999999.9 gives " 1E+15"). Infinity and NaN,
// which no figure of the program yields, give " 0".
std::string number_text(double value);

// The first n characters of the text.
std::string cut_text(std::string_view text, std::size_t n);

// The text with blanks added on the right until it is at least n characters long.
std::string fill_text(std::string_view text, std::size_t n);

} // namespace quillmark
