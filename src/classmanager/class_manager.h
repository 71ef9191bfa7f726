#pragma once

#include <QWidget>

namespace quillmark {

// The class manager: the class files of the program folder and the commands on them.
class Form4 : public QWidget {
    Q_OBJECT

public:
    explicit Form4(QWidget* parent = nullptr);

    void center();
};

} // namespace quillmark
