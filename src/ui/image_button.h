#pragma once

#include <QLabel>

namespace quillmark::ui {

// A picture that takes clicks, and tells when the mouse comes over it.
class ImageButton : public QLabel {
    Q_OBJECT

public:
    explicit ImageButton(QWidget* parent = nullptr);

signals:
    void clicked();
    void hovered();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace quillmark::ui
