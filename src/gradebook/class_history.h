#pragma once

#include "classdata/class_data.h"
#include "grading/categories.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Undo and redo over the open class: each step keeps only what one change made different.
namespace quillmark {

// The parts of the class kept whole in a step, as they are small. Another piece of class state
// that a step should take back goes here, in capture_settings() and in restore_settings(); it
// needs an == of its own.
struct ClassSettings {
    std::array<std::int16_t, 14> grade_scale{};
    bool use_plus = false;
    bool use_minus = false;
    std::string instructor;
    Categories categories;

    bool operator==(const ClassSettings&) const = default;
};

// The undoable class data as it was at one moment: every student record and assignment slot
// (the spare ones included) and the settings. The run-time values (the grid's position, the
// selections, the file name) are not part of it.
struct ClassSnapshot {
    std::vector<student_rec> students;
    std::vector<std::string> asg_title;
    std::vector<std::int16_t> asg_points;
    std::vector<std::string> asg_notes;
    ClassSettings settings;
};

ClassSnapshot capture_class();

// Puts the class data back as the snapshot holds it.
void restore_class(const ClassSnapshot& snapshot);

// The last history_steps changes to the class, each named by a caption for the Edit menu
// ("Curve of 'Quiz 3'"). Undo and redo write the class data directly, as every change does.
class ClassHistory {
public:
    static constexpr std::size_t history_steps = 200;

    // Stores what differs between `before` (captured just before the change) and the class data
    // now as one step, after the steps still done; the steps undone before it are dropped, and
    // the oldest step when there are more than history_steps. A change that changed nothing
    // stores nothing and keeps the undone steps: the result says whether a step was stored.
    bool record_step(std::string caption, const ClassSnapshot& before);

    bool can_undo() const { return done_ > 0; }
    bool can_redo() const { return done_ < steps_.size(); }
    // The caption of the step undo or redo would take; empty when there is none.
    const std::string& undo_caption() const;
    const std::string& redo_caption() const;

    // Put back the class data as it was before the last step done, or after the next step
    // undone; false, and nothing changed, when there is no such step.
    bool undo();
    bool redo();

    // Forgets every step, as when another class is opened.
    void clear();

private:
    struct AssignmentSlot {
        std::string title;
        std::int16_t points = 0;
        std::string notes;
    };
    struct ScoreChange {
        std::int16_t student;
        std::int16_t assignment;
        std::int16_t before;
        std::int16_t after;
    };
    // after: the record of slot `to` after the step is the one of slot `from` before it.
    struct Move {
        std::int16_t to;
        std::int16_t from;
    };
    // field: which of the record's texts, in the order student_rec declares them.
    struct TextChange {
        std::int16_t student;
        std::uint8_t field;
        std::string before;
        std::string after;
    };
    struct AssignmentChange {
        std::int16_t slot;
        AssignmentSlot before;
        AssignmentSlot after;
    };
    struct Step {
        std::string caption;
        // A reordering stores only where each record went; other changes to the students, only
        // the texts and scores that changed.
        std::vector<Move> moves;
        std::vector<ScoreChange> scores;
        std::vector<TextChange> texts;
        std::vector<AssignmentChange> assignments;
        std::optional<std::pair<ClassSettings, ClassSettings>> settings;
    };

    static Step difference(const ClassSnapshot& before);
    static void apply(const Step& step, bool forward);

    std::deque<Step> steps_;
    std::size_t done_ = 0; // steps_[0, done_) are done, the rest undone
};

} // namespace quillmark
