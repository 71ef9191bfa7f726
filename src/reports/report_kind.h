#pragma once

#include <cstdint>

namespace quillmark::report_kind {

// The printout the print dialog is opened for, passed to it in edit_slot.
inline constexpr std::int16_t individual_student = 0;
inline constexpr std::int16_t individual_assignment = 1;
inline constexpr std::int16_t overall_class = 2;
inline constexpr std::int16_t seating_chart = 3;

} // namespace quillmark::report_kind
