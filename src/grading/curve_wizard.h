#pragma once

#include "ui/editor_window.h"

#include <array>
#include <optional>

#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillmark {

// The auto-curve wizard: a linear or a mean score curve on selected_assignment.
class Form5 : public ui::EditorWindow {
    Q_OBJECT

public:
    explicit Form5(ui::Hub& gradebook);

    // Names the assignment in the caption, loads the picture, centres the window and shows it.
    void load();
    // Applies the chosen curve when its box holds a finite number (and, for a mean score
    // curve, a target not below the current class average), then hands back to the gradebook
    // with its grid and assignment panel refreshed. Otherwise says what is wrong and keeps the
    // window open with the scores untouched.
    void apply_curve();

private:
    // Enables the box of option 0 (linear) or 1 (mean score) and explains that curve.
    void choose(int option);
    // The box's number; when it holds none, says so and empties the box for another try.
    std::optional<double> read_number(QLineEdit& box);

    QPointer<ui::Hub> gradebook_;
    std::array<QRadioButton*, 2> Option1{};
    std::array<QLabel*, 2> Label2{};
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

// Hides the gradebook and opens the wizard on selected_assignment; when that slot holds no
// assignment, asks the teacher to select one instead and leaves the gradebook shown. The wizard
// opened, or nullptr.
Form5* open_curve_wizard(ui::Hub& gradebook);

} // namespace quillmark
