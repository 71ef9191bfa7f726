#include "classdata/class_data.h"

#include <algorithm>

namespace quillmark {
namespace {

std::int16_t last_used(std::int16_t slots, bool (*used)(std::int16_t)) {
    std::int16_t last = 0;
    for (std::int16_t slot = 0; slot < slots; ++slot) {
        if (used(slot)) {
            last = slot;
        }
    }
    return last;
}

std::uint64_t generation = 0;

} // namespace

void clear_class() {
    ++generation;
    for (std::int16_t s = 0; s < student_slots; ++s) {
        student_rec& student = students[s];
        student.first_name.clear();
        student.last_name.clear();
        student.id_number.clear();
        std::fill_n(student.scores.begin(), assignment_slots, std::int16_t{0});
        student.telephone.clear();
        student.address.clear();
        student.notes.clear();
    }
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        asg_title[a].clear();
        asg_notes[a].clear();
        asg_points[a] = default_asg_points;
    }
    std::copy(default_grade_scale.begin(), default_grade_scale.end(), grade_scale.begin());
    use_plus = false;
    use_minus = false;
    top_student = 0;
    left_assignment = 0;
}

std::uint64_t class_generation() {
    return generation;
}

std::int16_t last_student() {
    return last_used(student_slots, student_used);
}

std::int16_t last_assignment() {
    return last_used(assignment_slots, assignment_used);
}

bool student_used(std::int16_t slot) {
    return !students[slot].id_number.empty();
}

bool assignment_used(std::int16_t slot) {
    return !asg_title[slot].empty();
}

} // namespace quillmark
