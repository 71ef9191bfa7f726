#pragma once

#include <array>
#include <cstdint>

class QLabel;
class QWidget;

namespace quillmark {

namespace ui {
class PictureBox;
}

// The three analysis panels below the grid: one student, one assignment, the whole class. They
// hold no figures of their own: every refresh asks the statistics again.
class AnalysisPanels {
public:
    // Lays the panels' controls out on the gradebook's client area, with their first captions.
    explicit AnalysisPanels(QWidget& client);

    // The student's average, letter grade and bar graph; the student becomes the selected one.
    // A slot out of range or not in use leaves the panel as it is.
    void s_analysis(std::int16_t student);
    // The assignment's average, deviation and letter shares; the assignment becomes the
    // selected one. An assignment not in use, or a class without students, leaves the panel as
    // it is.
    void a_analysis(std::int16_t assignment);
    // The class's figures, always filled (zeros for an empty class).
    void c_analysis();
    // One navy bar per assignment in use, in slot order, for the student's fraction of its
    // points; cleared, and nothing drawn, when the class has no assignment.
    void student_graph(std::int16_t student);

private:
    QLabel* Label18 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label12 = nullptr;
    ui::PictureBox* Picture1 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label11 = nullptr;
    std::array<QLabel*, 5> Label14{};
    QLabel* Label20 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label13 = nullptr;
    std::array<QLabel*, 5> Label16{};
};

} // namespace quillmark
