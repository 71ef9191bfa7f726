#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace quillmark {

namespace ui {
class ImageButton;
}

// The log-on window. At program start (console_locked false) it logs on or quits; while the
// console is locked it only logs on, and cannot be closed otherwise.
class Form7 : public QWidget {
    Q_OBJECT

public:
    Form7();

    // Loads the picture, hides the quit button in lock mode, centres and shows the window.
    void load();
    void center();
    // Logs on when the entry is the password; otherwise tells the user and logs the attempt.
    void pok();

signals:
    // The password was entered: the console is unlocked, and the window closes.
    void logged_on();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void show_failed_attempts();

    bool logged_on_ = false;

    QLineEdit* Text1;
    ui::ImageButton* Image1;
    ui::ImageButton* Image2;
    QLabel* Image3;
};

} // namespace quillmark
