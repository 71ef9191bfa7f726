#pragma once

#include <cstdint>

#include <QWidget>

namespace quillmark::ui {

// The window the others are opened from (the gradebook), as they see it: it hides while one of
// them is open and is shown again when that window closes, repainted when the class changed.
class Hub : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Repaints the grid from the class data.
    virtual void render_data() = 0;
    // Refreshes the assignment panel for an assignment slot; a slot not in use leaves it as it is.
    virtual void a_analysis(std::int16_t assignment) = 0;
};

} // namespace quillmark::ui
