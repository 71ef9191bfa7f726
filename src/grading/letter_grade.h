#pragma once

#include <string>

namespace quillmark {

// The two-character letter grade ("A+", "A ", "A-" ... "D-", "F ") of a percentage (100 is full
// marks) on the open class's grading scale. The percentage is compared as it comes, unrounded.
std::string letter_grade(double percentage);

} // namespace quillmark
