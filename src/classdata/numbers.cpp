#include "classdata/numbers.h"

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
        const bool tiny = number.starts_with('.') || number.starts_with("0.") ||
                          number.find("e-") != std::string_view::npos ||
                          number.find("E-") != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
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
    return to_double(text);
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
