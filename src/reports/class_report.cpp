#include "reports/class_report.h"

#include "classdata/class_data.h"
#include "classdata/numbers.h"
#include "grading/number_text.h"
#include "grading/statistics.h"
#include "reports/page_space.h"
#include "reports/report_page.h"

#include <array>

namespace quillmark {
namespace {

// Blocks other than the print dialog's can reach past the last slot in the legend.
const std::string& title_of(int slot) {
    static const std::string none;
    return slot <= assignment_slots ? asg_title[slot] : none;
}

// Worked out once per block: measuring the heading prints it twice.
struct ClassFigures {
    double average = 0.0;
    double std_dev = 0.0;
    std::array<double, 5> shares{};
};

ClassFigures class_figures() {
    ClassFigures figures{class_average(), class_std_dev(), {}};
    auto& [a, b, c, d, f] = figures.shares;
    class_distribution(a, b, c, d, f);
    return figures;
}

void print_statistics(PagePrinter& printer, const ClassFigures& figures) {
    printer.print_line("          Class Average:" + figure_text(figures.average) + "%");
    print_std_dev(printer, "     ", figures.std_dev);
    print_letter_shares(printer, "     ", figures.shares);
}

// Five lines: the first half of the block's slots on the left, the second half on the right.
void print_legend(PagePrinter& printer, std::int16_t first, std::int16_t last) {
    const std::int16_t mid = round_to_int16((first + last) / 2.0 - 1).value_or(first + 3);
    for (int i = first - 1; i <= mid; ++i) {
        printer.print_line("     " + number_text(i + 1) + ". " + fill_text(title_of(i), 30) + "  " +
                           number_text(i + 6) + ". " + fill_text(title_of(i + 5), 30));
    }
}

void print_assignment_rows(PagePrinter& printer, std::int16_t first, std::int16_t last) {
    std::string numbers = "     Assignment #  ";
    std::string points = "      Point Value ";
    std::string means = "        Class Avg ";
    for (int n = first; n <= last; ++n) {
        numbers += "  " + (n < 10 ? number_text(n) : unsigned_number_text(n)) + " ";
        points += " " + fill_text(number_text(asg_points[n - 1]), 4);
        means +=
            " " +
            fill_text(unsigned_number_text(assignment_mean_score(static_cast<std::int16_t>(n - 1))),
                      4);
    }
    printer.set_bold(true);
    printer.print_line(numbers + " ");
    printer.set_bold(false);
    printer.print_line(points + " ");
    printer.print_line(means + " ");
}

std::string student_line(std::int16_t s, std::int16_t first, std::int16_t last) {
    const student_rec& student = students[s];
    const std::string key = list_by_name ? cut_text(fill_text(student.last_name, 10), 10)
                                         : fill_text(student.id_number, 10);
    std::string line = "       " + key + " ";
    for (int a = first - 1; a < last; ++a) {
        const std::int16_t score = student.scores[a];
        line += " " + fill_text(score >= 0 ? number_text(score) : "E", 4);
    }
    const std::string average = unsigned_number_text(student_average(s) * 100);
    return line + " (" + fill_text(cut_text(average, 4), 4) + ")";
}

// Everything above the student rows.
void print_heading(PagePrinter& printer, std::int16_t first, std::int16_t last,
                   const std::string& today, const ClassFigures& figures) {
    print_header_block(printer, today);
    set_font(printer, "Courier New", 10);
    print_statistics(printer, figures);

    set_font(printer, "Arial", 12);
    printer.print_line("");
    printer.print_line("     Assignments:");
    set_font(printer, "Courier New", 12);
    printer.set_italic(true);
    print_legend(printer, first, last);
    printer.set_italic(false);
    printer.print_line("");

    print_assignment_rows(printer, first, last);
    printer.print_line("");
    printer.set_underline(true);
    printer.set_bold(true);
    printer.print_line(
        "      Student ID:                                                      AVG%");
    printer.set_bold(false);
    printer.set_underline(false);
}

} // namespace

void print_class_report(PagePrinter& printer, std::int16_t first, std::int16_t last,
                        const std::string& today) {
    if (first < 1 || last < first || last > assignment_slots) {
        return;
    }
    const ClassFigures figures = class_figures();
    const std::int16_t last_row = last_student();
    // A heading alone at the foot of a page would lose its rows to the next.
    keep_on_one_page(printer, [&](PagePrinter& lines) {
        print_heading(lines, first, last, today, figures);
        if (last_row >= 0) {
            lines.print_line(student_line(0, first, last));
        }
    });
    print_heading(printer, first, last, today, figures);
    for (std::int16_t s = 0; s <= last_row; ++s) {
        printer.print_line(student_line(s, first, last));
    }
}

} // namespace quillmark
