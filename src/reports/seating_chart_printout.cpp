#include "reports/seating_chart_printout.h"

#include "classdata/class_data.h"
#include "grading/number_text.h"
#include "reports/report_page.h"

namespace quillmark {
namespace {

constexpr int desks_per_row = 8;

// A present desk shows its text cut to the desk's width in brackets; an absent one shows
// whatever was typed on it between blanks.
std::string desk_cell(const Desk& desk) {
    const std::string text = fill_text(desk.text, 10);
    return desk.present ? "[" + cut_text(text, 10) + "]" : " " + text + " ";
}

} // namespace

void print_seating_chart(PagePrinter& printer, const Desks& desks, const std::string& today) {
    printer.set_landscape();
    set_font(printer, "Courier New", 12);
    for (int i = 0; i < 4; ++i) {
        printer.print_line("");
    }
    printer.set_font_name("Arial");
    printer.set_bold(true);
    printer.print_line("     Quillmark - " + today);
    printer.print_line("");
    const std::size_t stem = class_file.size() >= 4 ? class_file.size() - 4 : 0;
    printer.print_line("     " + class_file.substr(0, stem) + " Seating Chart");
    printer.print_line("");
    printer.set_italic(true);
    printer.print_line("     Instructor: " + instructor);
    printer.set_italic(false);
    printer.print_line("");
    printer.print_line("");

    printer.set_font_size(14);
    printer.set_bold(false);
    printer.print_line_at_column("     ", 42, "   FRONT OF CLASSROOM   ");
    printer.print_line("");
    set_font(printer, "Courier New", 12);
    for (std::size_t row = 0; row < desks.size(); row += desks_per_row) {
        std::string line;
        for (std::size_t i = row; i < row + desks_per_row; ++i) {
            line += desk_cell(desks[i]) + " ";
        }
        printer.print_line(line + "  ");
        printer.print_line("");
    }
    set_font(printer, "Arial", 14);
    printer.print_line("");
    printer.print_line_at_column("     ", 42, "   REAR OF CLASSROOM   ");
    printer.end_document();
}

} // namespace quillmark
