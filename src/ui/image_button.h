#pragma once

#include <QIcon>
#include <QLabel>

namespace quillmark::ui {

// A picture that takes clicks, and tells when the mouse comes over it.
class ImageButton : public QLabel {
    Q_OBJECT

public:
    explicit ImageButton(QWidget* parent = nullptr);

    // Shows icon at size by size logical pixels, drawn for the display scale of the screen the
    // button is shown on, so it stays sharp at 2x.
    void set_icon(const QIcon& icon, int size);

signals:
    void clicked();
    void hovered();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void draw_icon();

    QIcon icon_;
    int icon_size_ = 0;
};

} // namespace quillmark::ui
