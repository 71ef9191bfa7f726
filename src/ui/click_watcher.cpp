#include "ui/click_watcher.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace quillmark::ui {

ClickWatcher::ClickWatcher(QWidget& widget)
    : QObject{&widget} {
    widget.setMouseTracking(true);
    widget.installEventFilter(this);
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        after_double_click_ = false;
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = static_cast<QWidget*>(watched);
        if (after_double_click_) {
            after_double_click_ = false;
        } else if (mouse->button() == Qt::LeftButton &&
                   widget->rect().contains(mouse->position().toPoint())) {
            emit clicked();
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            after_double_click_ = true;
            emit double_clicked();
        }
        break;
    case QEvent::MouseMove:
        emit hovered();
        break;
    default:
        break;
    }
    return false;
}

} // namespace quillmark::ui
