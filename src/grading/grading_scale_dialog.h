#pragma once

#include "ui/editor_window.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmark {

// Edits the open class's grading scale. The plus and minus switches take effect the moment
// they change, so Cancel keeps them; the bounds are stored by OK only.
class Form6 : public ui::EditorWindow {
    Q_OBJECT

public:
    explicit Form6(ui::Hub& gradebook);

    // Centres the window, sets the switches and rows from the class, fills the lists with the
    // stored bounds and shows it.
    void load();
    // Stores all twelve bounds (a list without a selection as 0) and hands back to the
    // gradebook when every shown bound lies strictly below the shown one above it; otherwise
    // says the ranges overlap and keeps the window open as it is.
    void pok();

private:
    // Shows or hides the rows of the plus bands, or of the minus bands.
    void show_rows(std::int16_t first_row, bool shown);
    std::int16_t value(std::int16_t row) const;

    std::array<QLabel*, 13> Label1{};
    std::array<QComboBox*, 12> Combo1{};
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

} // namespace quillmark
