#pragma once

#include "classdata/class_merge.h"
#include "classdata/result.h"
#include "gradebook/class_history.h"
#include "grading/analysis_panels.h"
#include "ui/hub.h"
#include "ui/image_button.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTimer;
class QUrl;

namespace quillmark {

class ScoreBox;

namespace ui {
class EditorWindow;
}

// The gradebook window: the grid over the open class, its panels and its commands. All its
// controls lie on one child widget, "client", of the fixed client size, so a menu bar can go
// above it without moving anything.
class Form1 : public ui::Hub {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    // Starts the window: centre, background picture, show, title, repaint, class panel.
    void load();
    void center();
    void render_data() override;

    // The analysis panels; a slot not in use leaves its panel as it is.
    void s_analysis(std::int16_t student);
    void a_analysis(std::int16_t assignment) override;
    void c_analysis();
    void student_graph(std::int16_t student);

    // The timer's tick: saves the class, then refreshes the class panel, each under a title
    // that asks the teacher to wait. A failed save is reported once until a save succeeds.
    void autosave();

    // Edit menu: takes back the last step of the class history, or makes the next step taken
    // back again, and shows the class as it then is. The typing into the score box being left
    // is a step of its own first.
    void undo();
    void redo();

    // File menu: the print dialog for one kind of report; back to the class manager, or out of
    // the program, both saving the class.
    void print_report(std::int16_t kind);
    void saveclass();
    void exit();
    // File menu, after the entries above: the grades into a CSV file in a layout the teacher
    // chooses; the students of a CSV class list into the class, after a summary.
    void export_grades_to_csv();
    void import_students_from_csv();
    // Setup menu: the instructor's name for reports, a new password or none, the grading scale,
    // the weighted categories.
    void chinstruct();
    void changepw();
    void gradingscale();
    void categories();
    // The toolbox item idx.
    void uwindow(int idx);
    // Asks the desktop to open a web page or file; a failure is not reported.
    void openurl(const QUrl& url);

signals:
    // "Return to Class Manager...", after the class was saved; the window then closes.
    void class_manager_requested();
    void console_lock_requested();

protected:
    // Every close saves the class; when that fails the teacher may keep the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    void build_menus();
    void open_seating_planner();
    // Saves for a close; false when the save failed and the teacher chose to stay.
    bool save_before_close();
    // Writes the class after looking at its file: what another copy wrote there since this copy
    // last read or wrote it is merged in first, as one step of the history, and entries both
    // copies changed differently are the teacher's to choose. While another window of the
    // gradebook is open, a merge waits until it closes, and so does the write, unless the
    // gradebook is closing.
    Result save_class_file(bool closing);
    Result merge_other_copy(const std::string& theirs);
    Result settle_conflicts(const ClassSnapshot& mine, const std::string& theirs,
                            std::vector<MergeConflict> conflicts);
    Result keep_unreadable_and_save(const std::string& theirs, const std::string& reason);
    // Takes, as one step of the history, the categories another copy saved since this copy read
    // or wrote them; like a merge, it waits while another window of the gradebook is open.
    void follow_other_copy_categories();

    void build_grid();
    void build_toolbox();
    void load_background();

    void score_box_clicked(const ScoreBox& box);
    void score_box_left(const ScoreBox& box);
    void enter_in_score_box(const ScoreBox& box);
    void show_notes(int column);
    void show_student_details(int row);
    void show_class_title();

    void open_student_editor(int row);
    void open_assignment_editor(int column);
    void sort_students(void (*sort)(), const char* caption);

    // Every change to the class is a step of the history: the class is captured before it
    // (after the typing into a score box is made a step of its own) and the step recorded
    // after it; a window that changes the class is recorded when it closes.
    ClassSnapshot before_step();
    void record_step(const std::string& caption, const ClassSnapshot& before);
    void record_when_closed(ui::EditorWindow& window, ClassSnapshot before,
                            std::function<std::string(const ClassSnapshot&)> caption);
    void typing_started(const ScoreBox& box);
    void settle_typing();
    void show_history();
    void show_undone_class(const Categories& categories_before);

    QWidget* client = nullptr;
    ui::ImageButton* Image1 = nullptr;
    std::array<QPlainTextEdit*, 10> Text2{};
    std::array<QLabel*, 10> Label17{};
    std::array<QLabel*, 10> Label9{};
    std::array<QLineEdit*, 10> text3{};
    std::array<QLabel*, 10> Label10{};
    std::array<ScoreBox*, 100> Text1{};
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* Label22 = nullptr;
    std::array<ui::ImageButton*, 4> Image2{};
    std::array<ui::ImageButton*, 4> Label21{};
    std::unique_ptr<AnalysisPanels> panels;
    QTimer* Timer1 = nullptr;
    bool save_failure_reported = false;
    bool saved_for_close = false;
    bool settling_conflicts = false;
    // The class file that keeps this copy's work while a conflict waits, once there was one.
    std::string kept_copy;

    ClassHistory history;
    // The class before the typing into one score box, and that box's cell.
    std::optional<ClassSnapshot> typing_before;
    std::int16_t typing_student = 0;
    std::int16_t typing_assignment = 0;
    QAction* undo_entry = nullptr;
    QAction* redo_entry = nullptr;
};

} // namespace quillmark
