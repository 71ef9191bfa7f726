#include "app/navigator.h"

#include "access/logon_window.h"
#include "access/password_setup.h"
#include "classdata/atomic_file.h"
#include "classdata/class_data.h"
#include "classdata/program_folder.h"
#include "classdata/random_generator.h"
#include "classmanager/class_manager.h"
#include "gradebook/gradebook_window.h"
#include "ui/dialogs.h"

namespace quillmark {

bool start_program() {
    seed_random_generator();
    remove_stale_temporary_files(program_folder());
    if (!password_setup()) {
        return false;
    }
    if (password != no_password) {
        show_logon();
    } else {
        show_class_manager();
    }
    return true;
}

Form4& show_class_manager() {
    auto* manager = new Form4;
    QObject::connect(manager, &Form4::class_opened, manager, [] { show_gradebook(); });
    manager->load();
    return *manager;
}

Form7& show_logon() {
    console_locked = false;
    auto* logon = new Form7;
    QObject::connect(logon, &Form7::logged_on, logon, [] { show_class_manager(); });
    logon->load();
    return *logon;
}

Form1& show_gradebook() {
    auto* gradebook = new Form1;
    QObject::connect(gradebook, &Form1::class_manager_requested, gradebook,
                     [] { show_class_manager(); });
    QObject::connect(gradebook, &Form1::console_lock_requested, gradebook,
                     [gradebook] { lock_console(*gradebook); });
    gradebook->load();
    return *gradebook;
}

void lock_console(Form1& gradebook) {
    if (password == no_password) {
        ui::msgbox(QStringLiteral("Please set a password (Setup->Change Password...) before "
                                  "using the 'Lock Console' feature."),
                   ui::Icon::information);
        return;
    }
    gradebook.hide();
    console_locked = true;
    auto* logon = new Form7;
    QObject::connect(logon, &Form7::logged_on, &gradebook, &QWidget::show);
    logon->load();
}

} // namespace quillmark
