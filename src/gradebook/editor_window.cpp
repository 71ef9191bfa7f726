#include "gradebook/editor_window.h"

#include "gradebook/gradebook_window.h"
#include "ui/layout.h"

#include <QCloseEvent>

namespace quillmark {

EditorWindow::EditorWindow(Form1& gradebook, const QString& name, const QString& title, int width,
                           int height)
    : gradebook_{&gradebook} {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setFixedSize(ui::twips(width), ui::twips(height));
    setFont(ui::sans_serif());
    ui::set_background(*this, ui::assignment_orange);
}

void EditorWindow::center() {
    ui::center(*this);
}

void EditorWindow::hand_back() {
    stored_ = true;
    if (gradebook_) {
        gradebook_->show();
        gradebook_->render_data();
    }
    close();
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    // Cancel and the title bar both leave without storing; the gradebook must not stay hidden.
    if (!stored_ && gradebook_) {
        gradebook_->show();
    }
    QWidget::closeEvent(event);
}

} // namespace quillmark
