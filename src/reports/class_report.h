#pragma once

#include "reports/page_printer.h"

#include <cstdint>
#include <string>

namespace quillmark {

// One block of the overall class report: assignments first to last, counted from 1. today is
// the short date text of the header. On a printer that is also a PageSpace, a block whose
// heading and first student row would not fit together on the current page starts a new one.
void print_class_report(PagePrinter& printer, std::int16_t first, std::int16_t last,
                        const std::string& today);

} // namespace quillmark
