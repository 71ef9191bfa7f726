#include "ui/picture_box.h"

#include <QPainter>

namespace quillmark::ui {
namespace {

// As everywhere in the program's layouts (ui::twips).
constexpr double twips_per_pixel = 15.0;

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget{parent} {
    setAutoFillBackground(true);
}

void PictureBox::clear() {
    rectangles_.clear();
    update();
}

void PictureBox::fill_rectangle(QPoint corner, QPoint opposite, const QColor& color) {
    rectangles_.push_back({QRect{corner, opposite}.normalized(), color});
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter{this};
    painter.setClipRect(rect());
    painter.scale(1.0 / twips_per_pixel, 1.0 / twips_per_pixel);
    for (const Filled& filled : rectangles_) {
        painter.fillRect(QRectF{filled.area}, filled.color);
    }
}

} // namespace quillmark::ui
