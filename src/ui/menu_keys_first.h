#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

namespace quillmark::ui {

// Text boxes claim some control keys for themselves (under X11, Ctrl+E moves to the end of the
// line); in a window with menus their shortcuts come first, wherever the focus is. Install it on
// every control of the window.
class MenuKeysFirst : public QObject {
    Q_OBJECT

public:
    MenuKeysFirst(QList<QKeySequence> keys, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> keys_;
};

} // namespace quillmark::ui
