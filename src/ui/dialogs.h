#pragma once

#include <QString>
#include <QStringList>

class QUrl;
class QWidget;

namespace quillmark::ui {

enum class Icon { none, information, exclamation, error };
enum class Buttons { ok, yes_no };
enum class Answer { ok, yes, no };

// A message box titled "Quillmark", its text shown as plain text; returns the button pressed.
Answer msgbox(const QString& text, Icon icon = Icon::none, Buttons buttons = Buttons::ok,
              QWidget* parent = nullptr);

// A message box like msgbox with details below its text, shown open in an area the user can
// scroll: a list too long for the box itself.
Answer detailed_msgbox(const QString& text, const QString& details, Icon icon = Icon::none,
                       Buttons buttons = Buttons::ok, QWidget* parent = nullptr);

// An input box titled "Quillmark"; returns the text typed, or the empty text when cancelled.
QString inputbox(const QString& prompt, const QString& default_answer = {},
                 QWidget* parent = nullptr);

// An input box for text that goes into a class or chart file: an answer holding characters the
// file cannot store is refused with a message naming them, and the box comes back holding it
// for correction. Returns as inputbox does.
QString class_text_inputbox(const QString& prompt, const QString& default_answer = {},
                            QWidget* parent = nullptr);

// An input box like the one above that shows each typed character as "*". A dialog handler
// answers it through its input().
QString password_inputbox(const QString& prompt, QWidget* parent = nullptr);

// The standard save-file dialog, starting at proposed_path (a full file name); returns the
// chosen file name, or the empty text when cancelled.
QString save_file_name(const QString& proposed_path, const QString& filter,
                       QWidget* parent = nullptr);

// The standard open-file dialog, starting in folder; returns the chosen file name, or the
// empty text when cancelled.
QString open_file_name(const QString& folder, const QString& filter, QWidget* parent = nullptr);

// A box titled "Quillmark" that offers items to choose one from, the first one proposed;
// returns the index of the one chosen, or -1 when cancelled.
int choice_box(const QString& prompt, const QStringList& items, QWidget* parent = nullptr);

// Asks the desktop to open an address (a web page, a file) with its own program; false when it
// could not.
bool open_with_desktop(const QUrl& url);

// Answers message, input, choice, save-file and open-file boxes in place of the user, and takes the
// addresses the desktop would open; tests install one.
class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    virtual Answer message(const QString& text, Icon icon, Buttons buttons) = 0;
    // A message box with details; a handler that does not look at them answers it as message.
    virtual Answer detailed_message(const QString& text, const QString& details, Icon icon,
                                    Buttons buttons) {
        static_cast<void>(details);
        return message(text, icon, buttons);
    }
    virtual QString input(const QString& prompt, const QString& default_answer) = 0;
    virtual QString save_file(const QString& proposed_path) = 0;
    virtual QString open_file(const QString& folder) = 0;
    virtual int choice(const QString& prompt, const QStringList& items) = 0;
    virtual bool open_url(const QUrl& url) = 0;
};

// Installs a handler for every box that follows (nullptr restores the real boxes).
void set_dialog_handler(DialogHandler* handler);

} // namespace quillmark::ui
