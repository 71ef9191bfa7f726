#include "grading/letter_grade.h"

#include "classdata/class_data.h"

namespace quillmark {

std::string letter_grade(double percentage) {
    // The scale runs A+, A, A-, B+, ... D-: three rows per letter, plus first and minus last.
    constexpr char letters[] = {'A', 'B', 'C', 'D'};
    constexpr char marks[] = {'+', ' ', '-'};
    for (std::size_t row = 0; row < 12; ++row) {
        const char mark = marks[row % 3];
        if ((mark == '+' && !use_plus) || (mark == '-' && !use_minus)) {
            continue;
        }
        if (percentage >= static_cast<double>(grade_scale[row])) {
            return {letters[row / 3], mark};
        }
    }
    return "F ";
}

} // namespace quillmark
