#pragma once

#include "seating/automatic_seating.h"
#include "seating/chart_file.h"

#include <array>
#include <optional>

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace quillmark {

namespace ui {
class Hub;
}

// The seating planner: 72 desks of the open class's chart, two automatic seating plans, and
// the chart file behind them. The hub stays hidden while it is open and is shown and repainted
// again however it closes.
class Form10 : public QWidget {
    Q_OBJECT

public:
    explicit Form10(ui::Hub& hub);

    // Centres the window, reads the chart (creating an empty one) and shows it.
    void load();
    void center();
    // Seats the class by the plan; the students' new order is class data at once.
    void seatauto(SeatingPlan plan);

    // The desks as shown: their texts, typed or seated, and present where they are white.
    Desks current_desks() const;

    // The plan that last reordered the students; none before the first.
    std::optional<SeatingPlan> last_plan() const { return last_plan_; }

signals:
    // The planner closes, however it does.
    void closed();
    // "Print Seating Chart": the desks as shown, for the print dialog over the planner.
    void print_requested(const Desks& desks);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void show_desks(const Desks& desks);
    void toggle_desk(int i);
    // Writes the chart; a failure is reported and the planner stays open as it is. A chart
    // that another copy of the class saved since the planner read it is not written over
    // unasked.
    void save();

    QPointer<ui::Hub> hub_;
    // The chart as the planner read it, or as another copy saved it since.
    Desks desks_as_read;
    std::optional<SeatingPlan> last_plan_;

    std::array<QLineEdit*, 72> Text1{};
    QPushButton* Command3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

} // namespace quillmark
