#pragma once

#include <QString>

class QWidget;

namespace quillmark::ui {

enum class Icon { none, information, exclamation, error };
enum class Buttons { ok, yes_no };
enum class Answer { ok, yes, no };

// A message box titled "Quillmark"; returns the button pressed.
Answer msgbox(const QString& text, Icon icon = Icon::none, Buttons buttons = Buttons::ok,
              QWidget* parent = nullptr);

// An input box titled "Quillmark"; returns the text typed, or the empty text when cancelled.
QString inputbox(const QString& prompt, const QString& default_answer = {},
                 QWidget* parent = nullptr);

// Answers message and input boxes in place of the user; tests install one.
class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    virtual Answer message(const QString& text, Icon icon, Buttons buttons) = 0;
    virtual QString input(const QString& prompt, const QString& default_answer) = 0;
};

// Installs a handler for every box that follows (nullptr restores the real boxes).
void set_dialog_handler(DialogHandler* handler);

} // namespace quillmark::ui
