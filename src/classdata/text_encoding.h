#pragma once

#include <string>
#include <string_view>

namespace quillmark {

// Windows-1252 text, as the class holds it, to UTF-8 and back. Characters Windows-1252 cannot
// hold, and bytes that are not valid UTF-8, become "?".
std::string cp1252_to_utf8(std::string_view text);
std::string utf8_to_cp1252(std::string_view text);

// Unicode code points of the Windows-1252 bytes, for the layer that shows text.
char32_t cp1252_to_unicode(unsigned char byte);
char unicode_to_cp1252(char32_t code_point);

// The characters of UTF-8 text that Windows-1252 cannot hold, as UTF-8, each once in the order
// they first appear; empty when the whole text can be stored. A byte that is not valid UTF-8
// counts as U+FFFD.
std::string cp1252_unstorable(std::string_view utf8);

} // namespace quillmark
