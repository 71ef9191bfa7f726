#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace quillmark::ui {

// Windows-1252 text of the class to QString and back; characters that Windows-1252 cannot hold
// become "?".
QString to_qstring(std::string_view cp1252);
std::string from_qstring(const QString& text);

// The message that refuses text holding characters the class file cannot store, naming them;
// the empty text when the file can hold the whole text.
QString unstorable_message(const QString& text);

} // namespace quillmark::ui
