#include "access/console_lock.h"

#include "access/logon_window.h"
#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "ui/dialogs.h"

namespace quillmark {

void lock_console(Form1& gradebook) {
    if (password == no_password) {
        ui::msgbox(QStringLiteral("Please set a password (Setup->Change Password...) before "
                                  "using the 'Lock Console' feature."),
                   ui::Icon::information);
        return;
    }
    gradebook.hide();
    console_locked = true;
    (new Form7{&gradebook})->load();
}

} // namespace quillmark
