#pragma once

#include "ui/editor_window.h"

#include <cstdint>

class QLineEdit;
class QPushButton;

namespace quillmark {

// Adds, changes and removes the assignment in grid column edit_slot: an empty title removes
// it.
class Form3 : public ui::EditorWindow {
    Q_OBJECT

public:
    explicit Form3(ui::Hub& gradebook);

    // Centres the window, fills the boxes from the slot, shows it and focuses the title.
    void load();
    // Stores the boxes when the point value is a positive whole number of 16 bits after
    // rounding (an empty or non-numeric one counting as 100), then hands back to the
    // gradebook; otherwise empties the points box for another try.
    void pok();

private:
    std::int16_t slot() const;

    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* text3;
    QPushButton* Command1;
    QPushButton* Command2;
};

} // namespace quillmark
