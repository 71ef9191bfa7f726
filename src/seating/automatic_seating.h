#pragma once

#include "seating/chart_file.h"

namespace quillmark {

enum class SeatingPlan { alphabetical, random };

// Reorders the students (by last name, or at random), then writes student slots 0 to
// last_student() in slot order onto the present desks in desk order, as first name, a blank,
// the last name's initial and a full stop. Absent desks keep their text; when the students run
// out, every desk from there to the last is cleared (all of them for a class without students).
// Students left without a desk get none.
void seatauto(Desks& desks, SeatingPlan plan);

// Swaps whole student records of slots 0 to last_student() at random, last_student() + 1 times,
// with the program's generator; leaves a class whose highest used slot is below 3 as it is.
void shuffle_students();

} // namespace quillmark
