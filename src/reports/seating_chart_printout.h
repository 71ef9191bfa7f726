#pragma once

#include "reports/page_printer.h"
#include "seating/chart_file.h"

#include <string>

namespace quillmark {

// The seating chart in landscape; ends the document itself. today is the short date text.
void print_seating_chart(PagePrinter& printer, const Desks& desks, const std::string& today);

} // namespace quillmark
