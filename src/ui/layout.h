#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QWidget;

namespace quillmark::ui {

// Window layouts are given in twips; one logical pixel is 15 twips.
constexpr int twips(int value) {
    return value / 15;
}

constexpr QRect twips_rect(int left, int top, int width, int height) {
    return QRect{twips(left), twips(top), twips(width), twips(height)};
}

inline const QColor assignment_orange{255, 192, 128};
inline const QColor student_cyan{192, 255, 255};

// The program's text face, MS Sans Serif (fontconfig gives its metric twin).
QFont sans_serif(double point_size = 8.25, bool bold = false);

// Places the window in the middle of the screen.
void center(QWidget& window);

// Background colour of a widget that paints its own background.
void set_background(QWidget& widget, const QColor& color);

// Background colour of a window alone: the boxes, lists and switches on it keep their own
// white, which a palette set on the window would otherwise hand down to them.
void set_window_background(QWidget& window, const QColor& color);

} // namespace quillmark::ui
