#pragma once

#include <QWidget>

namespace quillmark {

// The gradebook window: the grid over the open class, its panels and its commands.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    // The window's start sequence: centre, show, title, repaint, class panel.
    void load();
    void center();
    // Repaints the grid from the class data.
    void render_data();
};

} // namespace quillmark
