#include "reports/report_page.h"

#include "classdata/class_data.h"
#include "grading/number_text.h"

namespace quillmark {

void set_font(PagePrinter& printer, const std::string& name, int points) {
    printer.set_font_name(name);
    printer.set_font_size(points);
}

void print_header_block(PagePrinter& printer, const std::string& today) {
    printer.print_line("");
    printer.print_line("");
    set_font(printer, "Arial", 12);
    printer.set_bold(false);
    printer.set_italic(false);
    printer.set_underline(false);
    printer.print_line("     Quillmark - " + today);
    printer.print_line("");
    printer.set_bold(true);
    printer.print_line("     " + class_file);
    printer.set_bold(false);
    printer.set_italic(true);
    printer.print_line("     Instructor: " + instructor);
    printer.set_italic(false);
    printer.print_line("");
}

std::string unsigned_number_text(double value) {
    std::string text = number_text(value);
    if (text.front() == ' ') {
        text.erase(0, 1);
    }
    return text;
}

std::string figure_text(double value) {
    return cut_text(number_text(value), 6);
}

void print_std_dev(PagePrinter& printer, std::string_view margin, double std_dev) {
    printer.print_line(std::string(margin) + "Standard Deviation: + / -" +
                       figure_text(std_dev * 100) + "%");
}

void print_letter_shares(PagePrinter& printer, std::string_view margin,
                         const std::array<double, 5>& shares) {
    constexpr std::array<const char*, 5> labels{
        "              %A's:", "              %B's:", "              %C's:", "              %D's:",
        "              %F's:"};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        printer.print_line(std::string(margin) + labels[i] + figure_text(shares[i] * 100));
    }
}

std::optional<double> score_percentage(std::int16_t score, std::int16_t points) {
    if (points <= 0) {
        return std::nullopt;
    }
    return static_cast<double>(score) / points * 100;
}

} // namespace quillmark
