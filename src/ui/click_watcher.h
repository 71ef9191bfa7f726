#pragma once

#include <QObject>

class QWidget;

namespace quillmark::ui {

// Reports what the pointer does to a text box of the grid: a click when a button is released,
// a double click (and no second click for its second release), and every move over it, also
// with no button held.
class ClickWatcher : public QObject {
    Q_OBJECT

public:
    // Watches the widget for as long as it lives, and only that widget.
    explicit ClickWatcher(QWidget& widget);

signals:
    void clicked();
    void double_clicked();
    void hovered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool after_double_click_ = false;
};

} // namespace quillmark::ui
