#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace quillmark {

// The system's reason for a failed operation ("No such file or directory"), as messages hold
// text: Windows-1252. The system words it in the user's language and in the character set of
// the user's locale (UTF-8 mostly); characters Windows-1252 cannot hold become "?".
std::string system_reason(int error_number);
std::string system_reason(const std::error_code& error);

// Text in the character set of the current locale, as Windows-1252: the step system_reason
// takes, for other texts the system words.
std::string locale_text_to_cp1252(std::string_view text);

} // namespace quillmark
