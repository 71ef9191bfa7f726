#include "classdata/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quillmark {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// The length of the longest prefix of text that is a decimal number with optional sign,
// fraction and exponent; 0 when there is none.
std::size_t number_prefix(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && is_digit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && is_digit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && is_digit(text[j])) {
            while (j < text.size() && is_digit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

// Whether a decimal number too far from 1 for a double is large rather than tiny: the power of
// ten of its first significant digit is positive. Digits only, so no exponent is too long.
bool is_too_large(std::string_view number) {
    const std::size_t exponent_mark = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponent_mark);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return false;
    }
    // Digits before the point count up from 0, those after it down from -1.
    long long power = first < point ? static_cast<long long>(point - first) - 1
                                    : -static_cast<long long>(first - point);
    if (exponent_mark != std::string_view::npos) {
        std::string_view exponent = number.substr(exponent_mark + 1);
        const bool negative = exponent.starts_with('-');
        if (exponent.starts_with('+') || negative) {
            exponent.remove_prefix(1);
        }
        // Beyond a billion the exponent's sign alone decides, whatever the mantissa says.
        constexpr long long saturated = 1'000'000'000;
        long long value = 0;
        for (const char digit : exponent) {
            value = std::min(saturated, value * 10 + (digit - '0'));
        }
        power += negative ? -value : value;
    }
    return power > 0;
}

// The value of a text that number_prefix accepted whole. from_chars reads a full stop whatever
// the system's locale says, where strtod would follow it.
double to_double(std::string_view number) {
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative) {
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold reads as 0, too large as infinite, which no whole number takes.
        value = is_too_large(number) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<std::int16_t> round_to_int16(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<double> parse_number(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    const std::size_t length = number_prefix(text);
    if (length == 0 || length != text.size()) {
        return std::nullopt;
    }
    // A number too large to hold is no number the program can use.
    const double value = to_double(text);
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return value;
}

double leading_number(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!is_blank(c)) {
            compact.push_back(c);
        }
    }
    const std::size_t length = number_prefix(compact);
    return length == 0 ? 0.0 : to_double(std::string_view{compact}.substr(0, length));
}

} // namespace quillmark
