#include "grading/number_text.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <string>

namespace quillmark {

std::string number_text(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return " 0";
    }
    // Scientific form with 14 decimals rounds to 15 significant digits; the exponent it reports
    // is that of the rounded value, so a carry into a new digit (9.999...96 -> 1E+01) already
    // moves it. to_chars writes a full stop whatever the system's locale says.
    char buffer[32];
    char* end = std::to_chars(std::begin(buffer), std::end(buffer), std::fabs(value),
                              std::chars_format::scientific, 14)
                    .ptr;
    const std::string scientific(std::begin(buffer), end);
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    const int exponent = std::stoi(scientific.substr(e + 1));
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = value < 0 ? "-" : " ";
    if (exponent < -4 || exponent >= 15) {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text += digits.substr(1);
        }
        const std::string power = std::to_string(std::abs(exponent));
        text += exponent < 0 ? "E-" : "E+";
        text += power.size() < 2 ? "0" + power : power;
    } else if (exponent < 0) {
        text += '.';
        text += std::string(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            text += digits + std::string(whole - digits.size(), '0');
        } else {
            text += digits.substr(0, whole) + '.' + digits.substr(whole);
        }
    }
    return text;
}

std::string cut_text(std::string_view text, std::size_t n) {
    return std::string(text.substr(0, n));
}

std::string fill_text(std::string_view text, std::size_t n) {
    std::string filled(text);
    if (filled.size() < n) {
        filled.append(n - filled.size(), ' ');
    }
    return filled;
}

} // namespace quillmark
