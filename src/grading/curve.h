#pragma once

#include <cstdint>

// Curves change every counted score of one assignment at once. Only students in use are
// curved, excused marks stay as they are, and each new score is rounded halves to even and
// then held within 0 to 32767, so a curve never makes an excused mark nor wraps around. An
// assignment slot out of range or not in use, or a value that is not finite, changes nothing.
namespace quillmark {

// Adds points to each counted score.
void lcurve(std::int16_t assignment, double points);

// Adds the same number of points to each counted score, so that the class average on the
// assignment becomes target_percentage (in percent) but for the rounding of each score. A
// target that would lower the scores changes nothing.
void slcurve(std::int16_t assignment, double target_percentage);

} // namespace quillmark
