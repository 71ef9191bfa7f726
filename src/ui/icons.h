#pragma once

#include <QIcon>

namespace quillmark::ui {

// The pictures of the class manager's buttons and of the gradebook's toolbox: one set of our
// own, drawn in one style.
enum class ButtonIcon {
    open_class,
    new_class,
    delete_class,
    rename_class,
    backup,
    restore,
    quit,
    seating_planner, // two students
    curve_wizard,
    blank_screen,
    priority_support,
};

// The icon, drawn from lines and shapes at whatever size and display scale it is asked for, so
// it is sharp on any screen.
QIcon button_icon(ButtonIcon which);

} // namespace quillmark::ui
