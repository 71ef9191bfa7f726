#pragma once

#include <QPointer>
#include <QWidget>

class QCloseEvent;

namespace quillmark::ui {

class Hub;

// What the hub's orange secondary windows share (the two editors, the grading scale dialog and
// the curve wizard): a fixed-size window that the hub hides itself behind, and that shows the hub
// again however it closes.
class EditorWindow : public QWidget {
    Q_OBJECT

public:
    void center();

signals:
    // The window closes, whether it stored its boxes or not.
    void closed();

protected:
    // width and height are the client size in twips.
    EditorWindow(Hub& hub, const QString& name, const QString& title, int width, int height);

    // After the boxes are stored: shows and repaints the hub, then closes.
    void hand_back();

    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<Hub> hub_;
    bool stored_ = false;
};

} // namespace quillmark::ui
