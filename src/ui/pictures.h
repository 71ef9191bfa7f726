#pragma once

#include <string_view>

#include <QPixmap>

namespace quillmark::ui {

// A picture shipped with the program; a null pixmap when it is missing or unreadable.
QPixmap program_picture(std::string_view name);

} // namespace quillmark::ui
