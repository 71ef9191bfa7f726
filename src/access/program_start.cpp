#include "access/program_start.h"

#include "access/logon_window.h"
#include "access/password_setup.h"
#include "classdata/atomic_file.h"
#include "classdata/class_data.h"
#include "classdata/program_folder.h"
#include "classdata/random_generator.h"
#include "classmanager/class_manager.h"

namespace quillmark {

void start_program() {
    seed_random_generator();
    remove_stale_temporary_files(program_folder());
    password_setup();
    if (password != no_password) {
        console_locked = false;
        (new Form7)->load();
    } else {
        show_class_manager();
    }
}

void show_class_manager() {
    auto* manager = new Form4;
    manager->load();
}

} // namespace quillmark
