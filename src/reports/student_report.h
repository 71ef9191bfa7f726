#pragma once

#include "reports/page_printer.h"

#include <cstdint>
#include <string>

namespace quillmark {

// The individual student report of one student slot; today is the short date text.
void print_student_report(PagePrinter& printer, std::int16_t student, const std::string& today);

} // namespace quillmark
