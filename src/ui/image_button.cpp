#include "ui/image_button.h"

#include <QMouseEvent>

namespace quillmark::ui {

ImageButton::ImageButton(QWidget* parent)
    : QLabel{parent} {
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::set_icon(const QIcon& icon, int size) {
    icon_ = icon;
    icon_size_ = size;
    draw_icon();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    event->accept();
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    // Accepted here, so the window under the button does not take it for its background.
    event->accept();
}

void ImageButton::showEvent(QShowEvent* event) {
    // Shown on a screen, the button knows its display scale for sure.
    draw_icon();
    QLabel::showEvent(event);
}

void ImageButton::draw_icon() {
    if (!icon_.isNull()) {
        setPixmap(icon_.pixmap(QSize{icon_size_, icon_size_}, devicePixelRatioF()));
    }
}

} // namespace quillmark::ui
