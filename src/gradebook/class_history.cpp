#include "gradebook/class_history.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <unordered_map>

namespace quillmark {
namespace {

ClassSettings capture_settings() {
    return {grade_scale, use_plus, use_minus, instructor, class_categories()};
}

void restore_settings(const ClassSettings& settings) {
    grade_scale = settings.grade_scale;
    use_plus = settings.use_plus;
    use_minus = settings.use_minus;
    instructor = settings.instructor;
    class_categories() = settings.categories;
}

constexpr std::array<std::string student_rec::*, 6> text_fields{
    &student_rec::first_name, &student_rec::last_name, &student_rec::id_number,
    &student_rec::telephone,  &student_rec::address,   &student_rec::notes};

bool same_record(const student_rec& a, const student_rec& b) {
    return a.scores == b.scores &&
           std::all_of(text_fields.begin(), text_fields.end(),
                       [&](std::string student_rec::*field) { return a.*field == b.*field; });
}

std::size_t record_hash(const student_rec& record) {
    std::size_t hash = 0;
    const auto mix = [&hash](std::size_t value) {
        hash ^= value + 0x9e3779b97f4a7c15U + (hash << 6) + (hash >> 2);
    };
    for (std::string student_rec::*field : text_fields) {
        mix(std::hash<std::string>{}(record.*field));
    }
    mix(std::hash<std::string_view>{}(
        {reinterpret_cast<const char*>(record.scores.data()), sizeof record.scores}));
    return hash;
}

} // namespace

ClassSnapshot capture_class() {
    return {{students.begin(), students.end()},
            {asg_title.begin(), asg_title.end()},
            {asg_points.begin(), asg_points.end()},
            {asg_notes.begin(), asg_notes.end()},
            capture_settings()};
}

void restore_class(const ClassSnapshot& snapshot) {
    std::copy(snapshot.students.begin(), snapshot.students.end(), students.begin());
    std::copy(snapshot.asg_title.begin(), snapshot.asg_title.end(), asg_title.begin());
    std::copy(snapshot.asg_points.begin(), snapshot.asg_points.end(), asg_points.begin());
    std::copy(snapshot.asg_notes.begin(), snapshot.asg_notes.end(), asg_notes.begin());
    restore_settings(snapshot.settings);
}

bool ClassHistory::record_step(std::string caption, const ClassSnapshot& before) {
    Step step = difference(before);
    if (step.moves.empty() && step.scores.empty() && step.texts.empty() &&
        step.assignments.empty() && !step.settings) {
        return false;
    }
    step.caption = std::move(caption);
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back(std::move(step));
    if (steps_.size() > history_steps) {
        steps_.pop_front();
    }
    done_ = steps_.size();
    return true;
}

const std::string& ClassHistory::undo_caption() const {
    static const std::string none;
    return can_undo() ? steps_[done_ - 1].caption : none;
}

const std::string& ClassHistory::redo_caption() const {
    static const std::string none;
    return can_redo() ? steps_[done_].caption : none;
}

bool ClassHistory::undo() {
    if (!can_undo()) {
        return false;
    }
    --done_;
    apply(steps_[done_], false);
    return true;
}

bool ClassHistory::redo() {
    if (!can_redo()) {
        return false;
    }
    apply(steps_[done_], true);
    ++done_;
    return true;
}

void ClassHistory::clear() {
    steps_.clear();
    done_ = 0;
}

ClassHistory::Step ClassHistory::difference(const ClassSnapshot& before) {
    Step step;

    std::vector<std::int16_t> changed;
    for (std::int16_t s = 0; s <= student_slots; ++s) {
        if (!same_record(before.students[s], students[s])) {
            changed.push_back(s);
        }
    }
    // A reordering: every changed slot now holds a record some changed slot held before.
    std::unordered_multimap<std::size_t, std::int16_t> earlier;
    for (std::int16_t s : changed) {
        earlier.emplace(record_hash(before.students[s]), s);
    }
    for (std::int16_t s : changed) {
        auto [first, last] = earlier.equal_range(record_hash(students[s]));
        while (first != last && !same_record(before.students[first->second], students[s])) {
            ++first;
        }
        if (first == last) {
            step.moves.clear();
            break;
        }
        step.moves.push_back({s, first->second});
        earlier.erase(first);
    }
    if (step.moves.empty()) {
        for (std::int16_t s : changed) {
            const student_rec& was = before.students[s];
            for (std::uint8_t f = 0; f < text_fields.size(); ++f) {
                if (was.*text_fields[f] != students[s].*text_fields[f]) {
                    step.texts.push_back({s, f, was.*text_fields[f], students[s].*text_fields[f]});
                }
            }
            for (std::int16_t a = 0; a <= assignment_slots; ++a) {
                if (was.scores[a] != students[s].scores[a]) {
                    step.scores.push_back({s, a, was.scores[a], students[s].scores[a]});
                }
            }
        }
    }

    for (std::int16_t a = 0; a <= assignment_slots; ++a) {
        if (before.asg_title[a] != asg_title[a] || before.asg_points[a] != asg_points[a] ||
            before.asg_notes[a] != asg_notes[a]) {
            step.assignments.push_back(
                {a,
                 {before.asg_title[a], before.asg_points[a], before.asg_notes[a]},
                 {asg_title[a], asg_points[a], asg_notes[a]}});
        }
    }

    if (ClassSettings now = capture_settings(); now != before.settings) {
        step.settings.emplace(before.settings, std::move(now));
    }
    return step;
}

void ClassHistory::apply(const Step& step, bool forward) {
    // Every record is taken out before any is put back, as the slots are each other's.
    std::vector<student_rec> moving;
    moving.reserve(step.moves.size());
    for (const Move& move : step.moves) {
        moving.push_back(std::move(students[forward ? move.from : move.to]));
    }
    for (std::size_t i = 0; i < step.moves.size(); ++i) {
        students[forward ? step.moves[i].to : step.moves[i].from] = std::move(moving[i]);
    }

    for (const ScoreChange& change : step.scores) {
        students[change.student].scores[change.assignment] = forward ? change.after : change.before;
    }
    for (const TextChange& change : step.texts) {
        students[change.student].*text_fields[change.field] =
            forward ? change.after : change.before;
    }
    for (const AssignmentChange& change : step.assignments) {
        const AssignmentSlot& slot = forward ? change.after : change.before;
        asg_title[change.slot] = slot.title;
        asg_points[change.slot] = slot.points;
        asg_notes[change.slot] = slot.notes;
    }
    if (step.settings) {
        restore_settings(forward ? step.settings->second : step.settings->first);
    }
}

} // namespace quillmark
