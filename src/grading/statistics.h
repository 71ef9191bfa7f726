#pragma once

#include <cstdint>

// Figures over the open class, recomputed from the data at every call. Only used students and
// existing assignments count, the excused mark never does, and a 0 counts as 0 points. When
// nothing counts the result is 0, never a division by zero. An assignment worth 0 points or less
// has no average, deviation or letter shares of its own, but its scores and points still count
// in the student's average like any other's. Every result is finite.
namespace quillmark {

// Fraction of the points possible the student earned (1 is full marks); 0 when the counted
// point values add up to 0 or less. While the class uses weighted categories, the weighted mean
// of the student's category fractions instead (see categories.h).
double student_average(std::int16_t student);

// Fraction of the points possible the class earned on the assignment.
double assignment_average(std::int16_t assignment);

// Mean counted score in points, rounded halves to even.
std::int16_t assignment_mean_score(std::int16_t assignment);

// Mean of the used students' averages, as a percentage.
double class_average();

// Population standard deviations, as fractions.
double assignment_std_dev(std::int16_t assignment);
double class_std_dev();

// Shares of the letters A, B, C, D and F (plus and minus folded in), as fractions adding up to
// 1 whenever anything counted.
void assignment_distribution(std::int16_t assignment, double& a, double& b, double& c, double& d,
                             double& f);
void class_distribution(double& a, double& b, double& c, double& d, double& f);

} // namespace quillmark
