#pragma once

#include "ui/editor_window.h"

#include <cstdint>

class QLineEdit;
class QPushButton;

namespace quillmark {

// Adds, changes and removes the student in grid row edit_slot: filling an empty slot adds a
// student, clearing the three required boxes removes one.
class Form2 : public ui::EditorWindow {
    Q_OBJECT

public:
    explicit Form2(ui::Hub& gradebook);

    // Centres the window, fills the boxes from the slot, shows it and focuses First Name.
    void load();
    // Stores the boxes when the required ones are all filled or all empty, then hands back to
    // the gradebook; otherwise says what is missing and keeps the window open.
    void pok();

private:
    std::int16_t slot() const;

    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QPushButton* Command1;
    QPushButton* Command2;
};

} // namespace quillmark
