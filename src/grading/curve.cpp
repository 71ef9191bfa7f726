#include "grading/curve.h"

#include "classdata/class_data.h"
#include "classdata/numbers.h"
#include "grading/statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillmark {
namespace {

bool curvable(std::int16_t assignment, double shift) {
    return assignment >= 0 && assignment < assignment_slots && assignment_used(assignment) &&
           std::isfinite(shift);
}

void shift_scores(std::int16_t assignment, double shift) {
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    for (std::int16_t s = 0; s < student_slots; ++s) {
        std::int16_t& score = students[s].scores[assignment];
        if (!student_used(s) || score < 0) {
            continue;
        }
        // Held before rounding: the bounds are whole, so the result is the same and fits.
        score = round_to_int16(std::clamp(score + shift, 0.0, highest)).value_or(0);
    }
}

} // namespace

void lcurve(std::int16_t assignment, double points) {
    if (curvable(assignment, points)) {
        shift_scores(assignment, points);
    }
}

void slcurve(std::int16_t assignment, double target_percentage) {
    if (!curvable(assignment, target_percentage)) {
        return;
    }
    const double current = assignment_average(assignment) * 100;
    const double shift = asg_points[assignment] / 100.0 * (target_percentage - current);
    if (shift > 0) {
        shift_scores(assignment, shift);
    }
}

} // namespace quillmark
