#include "ui/editor_window.h"

#include "ui/hub.h"
#include "ui/layout.h"

#include <QCloseEvent>

namespace quillmark::ui {

EditorWindow::EditorWindow(Hub& hub, const QString& name, const QString& title, int width,
                           int height)
    : hub_{&hub} {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setFixedSize(twips(width), twips(height));
    setFont(sans_serif());
    set_window_background(*this, assignment_orange);
}

void EditorWindow::center() {
    ui::center(*this);
}

void EditorWindow::hand_back() {
    stored_ = true;
    if (hub_) {
        hub_->show();
        hub_->render_data();
    }
    close();
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    // Cancel and the title bar both leave without storing; the hub must not stay hidden.
    if (!stored_ && hub_) {
        hub_->show();
    }
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace quillmark::ui
