#include "ui/layout.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace quillmark::ui {

QFont sans_serif(double point_size, bool bold) {
    // Where the face itself is missing, Arial's metric twin comes close to it in width; the
    // system's own fallback is a much wider face that crowds the panels.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setPointSizeF(point_size);
    font.setBold(bold);
    return font;
}

void center(QWidget& window) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->geometry();
    const QSize size = window.frameGeometry().size();
    window.move((available.width() - size.width()) / 2, (available.height() - size.height()) / 2);
}

void set_background(QWidget& widget, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void set_window_background(QWidget& window, const QColor& color) {
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, color);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

} // namespace quillmark::ui
