#pragma once

// One-off reorderings of the students' slots 0 to last_student(), moving whole records. Both
// use the same exchange sort, which decides the order of equal keys.
namespace quillmark {

// By last name, letter case ignored: A to Z.
void sort_by_name();

// By student average, the highest first.
void sort_by_average();

} // namespace quillmark
