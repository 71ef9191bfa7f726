#pragma once

#include "classdata/class_data.h"
#include "seating/automatic_seating.h"

#include <cstdint>
#include <string>

// What the Edit menu calls each step of the class history, after "Undo " or "Redo ". Names and
// titles are the class data's Windows-1252 bytes.
namespace quillmark {

inline constexpr const char* sort_by_name_step = "Sort by Name";
inline constexpr const char* sort_by_average_step = "Sort by Average";
inline constexpr const char* grading_scale_step = "Grading Scale";
inline constexpr const char* instructor_step = "Instructor Name";
inline constexpr const char* categories_step = "Categories and Weights";
inline constexpr const char* other_copy_step = "Changes from Another Copy";

// "Score of Ann Lee on 'Essay 1'": the typing into one cell of slots in use.
std::string score_step(std::int16_t student, std::int16_t assignment);

// "Import of 'Period 1.csv'": the students of a class list added in one go.
std::string import_step(const std::string& file_name);

// "Alphabetical Seating" or "Random Seating": the students reordered by the seating planner's
// last plan.
std::string seating_step(SeatingPlan plan);

// "Curve of 'Quiz 3'".
std::string curve_step(std::int16_t assignment);

// The student editor's OK on one slot, from its record before and after: "New Student Ann Lee"
// for a slot that was empty, "Removal of Ann Lee" for one emptied, "Edit of Ann Lee" (the name
// now) otherwise.
std::string student_step(const student_rec& before, const student_rec& after);

// The assignment editor's OK, from the slot's title before and after: "New Assignment 'Quiz 3'",
// "Removal of 'Quiz 3'" or "Edit of 'Quiz 3'", like the student editor's.
std::string assignment_step(const std::string& title_before, const std::string& title_after);

} // namespace quillmark
