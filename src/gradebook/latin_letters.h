#pragma once

#include <optional>
#include <string>
#include <string_view>

// Latin letters with marks, for text that must fit Windows-1252: joining a letter and the marks
// that follow it (as lists saved on a Mac write them), and the plain letter under the marks.
namespace quillmark {

// U+0300 to U+036F, the marks that follow the letter they belong to.
bool is_combining_mark(char32_t c);

// The text with each Latin letter and the combining marks after it joined into the one
// precomposed letter Unicode has for them ("e" and U+0301 give "é"); marks with no such letter
// stay as they are.
std::u32string composed(std::u32string_view text);

// The letter without its marks ("ř" gives "r", "ễ" gives "e", "Ł" gives "L"), a letter
// Windows-1252 holds; nothing for a character that is no Latin letter with marks.
std::optional<char32_t> base_letter(char32_t letter);

} // namespace quillmark
