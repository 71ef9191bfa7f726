#pragma once

#include "reports/page_printer.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the printouts share: the header block, the statistics lines and the number texts.
namespace quillmark {

// Sets the face and size together, as every printout changes them.
void set_font(PagePrinter& printer, const std::string& name, int points);

// Two empty lines, then in regular "Arial" 12 pt the title line with the date, the class file
// name in bold and the instructor in italic.
void print_header_block(PagePrinter& printer, const std::string& today);

// The number text less its sign position. A negative number keeps its minus sign, so a value
// from a hand-edited file is never printed as its opposite.
std::string unsigned_number_text(double value);

// A figure of the statistics lines: the number text cut to 6 characters.
std::string figure_text(double value);

// The statistics lines of a standard deviation and of the shares of the letters A, B, C, D and
// F, each starting with the margin; the deviation and the shares are fractions.
void print_std_dev(PagePrinter& printer, std::string_view margin, double std_dev);
void print_letter_shares(PagePrinter& printer, std::string_view margin,
                         const std::array<double, 5>& shares);

// The percentage a score earns on an assignment, or nothing when the assignment is worth 0
// points or less and so has none.
std::optional<double> score_percentage(std::int16_t score, std::int16_t points);

} // namespace quillmark
