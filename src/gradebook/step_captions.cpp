#include "gradebook/step_captions.h"

namespace quillmark {
namespace {

// First name and last name; a record without either is named by its ID number.
std::string name_of(const student_rec& student) {
    if (student.first_name.empty() || student.last_name.empty()) {
        const std::string& name =
            student.first_name.empty() ? student.last_name : student.first_name;
        return name.empty() ? student.id_number : name;
    }
    return student.first_name + " " + student.last_name;
}

std::string in_quotes(const std::string& title) {
    return "'" + title + "'";
}

} // namespace

std::string score_step(std::int16_t student, std::int16_t assignment) {
    return "Score of " + name_of(students[student]) + " on " + in_quotes(asg_title[assignment]);
}

std::string import_step(const std::string& file_name) {
    return "Import of " + in_quotes(file_name);
}

std::string seating_step(SeatingPlan plan) {
    return plan == SeatingPlan::alphabetical ? "Alphabetical Seating" : "Random Seating";
}

std::string curve_step(std::int16_t assignment) {
    return "Curve of " + in_quotes(asg_title[assignment]);
}

std::string student_step(const student_rec& before, const student_rec& after) {
    if (before.id_number.empty()) {
        return "New Student " + name_of(after);
    }
    if (after.id_number.empty()) {
        return "Removal of " + name_of(before);
    }
    return "Edit of " + name_of(after);
}

std::string assignment_step(const std::string& title_before, const std::string& title_after) {
    if (title_before.empty()) {
        return "New Assignment " + in_quotes(title_after);
    }
    if (title_after.empty()) {
        return "Removal of " + in_quotes(title_before);
    }
    return "Edit of " + in_quotes(title_after);
}

} // namespace quillmark
