#include "classdata/system_reason.h"

#include "classdata/text_encoding.h"

#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <optional>

namespace quillmark {
namespace {

// The text as UTF-8, or nothing when the locale's character set is unknown to iconv or the text
// is not in it.
std::optional<std::string> to_utf8(std::string_view text, const char* codeset) {
    const iconv_t converter = ::iconv_open("UTF-8", codeset);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string input{text};
    std::string output(input.size() * 4, '\0');
    char* in = input.data();
    std::size_t in_left = input.size();
    char* out = output.data();
    std::size_t out_left = output.size();
    const std::size_t converted = ::iconv(converter, &in, &in_left, &out, &out_left);
    ::iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    output.resize(output.size() - out_left);
    return output;
}

} // namespace

std::string locale_text_to_cp1252(std::string_view text) {
    const char* codeset = ::nl_langinfo(CODESET);
    // Plain ASCII, which the "C" locale calls ANSI_X3.4-1968, reads the same as UTF-8.
    if (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "ANSI_X3.4-1968") == 0) {
        return utf8_to_cp1252(text);
    }
    return utf8_to_cp1252(to_utf8(text, codeset).value_or(std::string{text}));
}

std::string system_reason(int error_number) {
    return locale_text_to_cp1252(std::strerror(error_number));
}

std::string system_reason(const std::error_code& error) {
    return locale_text_to_cp1252(error.message());
}

} // namespace quillmark
