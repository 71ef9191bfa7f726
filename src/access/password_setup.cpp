#include "access/password_setup.h"

#include "access/password_check.h"
#include "access/password_file.h"
#include "classdata/class_data.h"
#include "ui/dialogs.h"
#include "ui/text.h"

#include <string>

namespace quillmark {
namespace {

// Characters the password file cannot hold would be stored as "?", and a run of "?" would then
// log on.
bool survives_cp1252(const QString& text) {
    return ui::to_qstring(ui::from_qstring(text)) == text;
}

// Returns whether the file keeps the password; the run uses it either way.
bool store_password(const std::string& text) {
    const Result written = set_password(text);
    if (!written) {
        ui::msgbox(ui::to_qstring(written.message()), ui::Icon::error);
    }
    return static_cast<bool>(written);
}

} // namespace

bool password_setup() {
    // A file that cannot be created cannot be written either, and that is reported below.
    static_cast<void>(create_password_file());
    StoredPassword stored = read_password_file();
    if (!stored.read) {
        ui::msgbox(ui::to_qstring(stored.read.message()), ui::Icon::error);
        return false;
    }
    if (stored.line) {
        password = std::move(*stored.line);
        return true;
    }
    const ui::Answer protect =
        ui::msgbox(QStringLiteral("Would you like to password protect your class data? If you "
                                  "choose 'No', you may enable this feature at a later time."),
                   ui::Icon::none, ui::Buttons::yes_no);
    if (protect == ui::Answer::no) {
        store_password(no_password);
        return true;
    }
    QString typed;
    for (;;) {
        typed = ui::password_inputbox(QStringLiteral("Please enter a password:"));
        const QString confirmed = ui::password_inputbox(
            QStringLiteral("Please re-enter your password for confirmation:"));
        if (typed != confirmed) {
            ui::msgbox(QStringLiteral("Passwords do not match!"), ui::Icon::error);
        } else if (!survives_cp1252(typed)) {
            ui::msgbox(QStringLiteral("Passwords can only use the letters, digits and signs of "
                                      "Western European languages. Please choose another "
                                      "password."),
                       ui::Icon::error);
        } else if (typed.size() > max_password_length) {
            ui::msgbox(QStringLiteral("Passwords can be at most 20 characters long."),
                       ui::Icon::error);
        } else {
            break;
        }
    }
    if (store_password(ui::from_qstring(typed))) {
        ui::msgbox(QStringLiteral("Password set successfully."), ui::Icon::information);
    }
    return true;
}

void change_password() {
    // A file that stays is simply read again by the set-up; one it refuses leaves the password
    // of this run as it was.
    static_cast<void>(delete_password_file());
    static_cast<void>(password_setup());
}

} // namespace quillmark
