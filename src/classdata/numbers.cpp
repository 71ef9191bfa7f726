#include "classdata/numbers.h"

#include <cmath>
#include <cstdlib>
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

double to_double(std::string_view number) {
    // strtod needs a terminated string; it also reads inf and nan, which the prefix excludes.
    const std::string terminated{number};
    return std::strtod(terminated.c_str(), nullptr);
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
