#pragma once

#include <QPointer>
#include <QWidget>

class QCloseEvent;

namespace quillmark {

class Form1;

// What the gradebook's orange secondary windows share (the two editors, the grading scale dialog
// and the curve wizard): a fixed-size window that the gradebook hides itself behind, and that
// shows the gradebook again however it closes.
class EditorWindow : public QWidget {
    Q_OBJECT

public:
    void center();

protected:
    // width and height are the client size in twips.
    EditorWindow(Form1& gradebook, const QString& name, const QString& title, int width,
                 int height);

    // After the boxes are stored: shows and repaints the gradebook, then closes.
    void hand_back();

    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<Form1> gradebook_;
    bool stored_ = false;
};

} // namespace quillmark
