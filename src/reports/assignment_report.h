#pragma once

#include "reports/page_printer.h"

#include <cstdint>
#include <string>

namespace quillmark {

// The individual assignment report of one assignment slot; today is the short date text.
void print_assignment_report(PagePrinter& printer, std::int16_t assignment,
                             const std::string& today);

} // namespace quillmark
