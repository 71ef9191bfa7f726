#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace quillmark {

class Form1;

namespace ui {
class ImageButton;
}

// The log-on window. At program start (console_locked false) it leads to the class manager or
// quits; while the console is locked it leads back to the hidden gradebook and nowhere else.
class Form7 : public QWidget {
    Q_OBJECT

public:
    // In lock mode, gradebook is the window shown again after a successful log-on.
    explicit Form7(Form1* gradebook = nullptr);

    // Loads the picture, hides the quit button in lock mode, centres and shows the window.
    void load();
    void center();
    // Logs on when the entry is the password; otherwise tells the user and logs the attempt.
    void pok();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void show_failed_attempts();

    QPointer<Form1> gradebook_;
    bool logged_on_ = false;

    QLineEdit* Text1;
    ui::ImageButton* Image1;
    ui::ImageButton* Image2;
    QLabel* Image3;
};

} // namespace quillmark
