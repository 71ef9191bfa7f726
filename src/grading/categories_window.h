#pragma once

#include "ui/editor_window.h"

#include <cstdint>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quillmark {

// Sets the open class's weighted categories: the switch, up to 12 categories (one a row: name,
// weight in percent, lowest scores to drop) and the category of each assignment in use. OK
// checks everything and stores it all as one change of the class; Cancel and the title bar
// change nothing.
class CategoriesWindow : public ui::EditorWindow {
    Q_OBJECT

public:
    explicit CategoriesWindow(ui::Hub& gradebook);

    // Centres the window, fills it from the class and shows it.
    void load();
    // Stores the categories, saves them and hands back to the gradebook; a refused entry or a
    // failed save is reported and keeps the window open as it is.
    void pok();

signals:
    // After OK stored the categories, so that figures built on the averages are shown anew.
    void stored();

private:
    // The assignments' lists offer "Not counted" and every named category; a choice whose
    // category lost its name falls back to "Not counted".
    void refresh_category_lists();
    // Says when the named categories' weights do not add up to 100, and what that means.
    void refresh_weight_note();

    QCheckBox* Check1 = nullptr;
    QTableWidget* Grid1 = nullptr; // the categories
    QTableWidget* Grid2 = nullptr; // the assignments
    QLabel* Label1 = nullptr;      // the note on the weights
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    std::vector<std::int16_t> slots_; // the assignment slot of each row of Grid2
};

} // namespace quillmark
