#include "classdata/text_encoding.h"

#include <array>

namespace quillmark {
namespace {

// Code points of bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves undefined map to the
// C1 control of the same value, as most converters do.
constexpr std::array<char32_t, 32> high_controls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at text[i], advancing i; an invalid sequence gives U+FFFD.
char32_t next_code_point(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    int continuation = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        continuation = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        continuation = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        continuation = 3;
        c = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < continuation; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return c;
}

} // namespace

char32_t cp1252_to_unicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return high_controls[byte - 0x80];
    }
    return byte;
}

char unicode_to_cp1252(char32_t code_point) {
    if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
        return static_cast<char>(code_point);
    }
    for (std::size_t k = 0; k < high_controls.size(); ++k) {
        if (high_controls[k] == code_point) {
            return static_cast<char>(0x80 + k);
        }
    }
    return '?';
}

std::string cp1252_to_utf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char byte : text) {
        append_utf8(out, cp1252_to_unicode(static_cast<unsigned char>(byte)));
    }
    return out;
}

std::string utf8_to_cp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        out.push_back(unicode_to_cp1252(next_code_point(text, i)));
    }
    return out;
}

std::string cp1252_unstorable(std::string_view utf8) {
    std::string found;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t c = next_code_point(utf8, i);
        if (c == '?' || unicode_to_cp1252(c) != '?') {
            continue;
        }
        // Invalid bytes are named by the replacement character, never copied into the text.
        const bool valid = c != 0xFFFD && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        const std::string_view character =
            valid ? utf8.substr(start, i - start) : std::string_view{"\xEF\xBF\xBD"};
        if (found.find(character) == std::string::npos) {
            found += character;
        }
    }
    return found;
}

} // namespace quillmark
