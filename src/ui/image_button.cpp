#include "ui/image_button.h"

#include <QMouseEvent>

namespace quillmark::ui {

ImageButton::ImageButton(QWidget* parent)
    : QLabel{parent} {
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
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

} // namespace quillmark::ui
