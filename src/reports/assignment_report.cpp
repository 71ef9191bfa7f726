#include "reports/assignment_report.h"

#include "classdata/class_data.h"
#include "grading/letter_grade.h"
#include "grading/number_text.h"
#include "grading/statistics.h"
#include "reports/report_page.h"

#include <array>

namespace quillmark {
namespace {

void print_statistics(PagePrinter& printer, std::int16_t assignment) {
    printer.print_line(
        "                 Average:" + figure_text(assignment_average(assignment) * 100) + "%");
    print_std_dev(printer, "      ", assignment_std_dev(assignment));
    printer.print_line("");
    std::array<double, 5> shares{};
    assignment_distribution(assignment, shares[0], shares[1], shares[2], shares[3], shares[4]);
    print_letter_shares(printer, "      ", shares);
}

std::string result_line(const student_rec& student, std::int16_t score, std::int16_t points) {
    const std::optional<double> pct = score_percentage(score, points);
    return "       " + fill_text(cut_text(student.last_name, 12), 12) + "   " +
           fill_text(unsigned_number_text(score), 6) + "   " +
           fill_text(pct ? cut_text(unsigned_number_text(*pct), 6) : "", 13) + "   " +
           fill_text(pct ? letter_grade(*pct) : "", 14) + "  ";
}

} // namespace

void print_assignment_report(PagePrinter& printer, std::int16_t assignment,
                             const std::string& today) {
    if (assignment < 0 || assignment > assignment_slots) {
        return;
    }
    print_header_block(printer, today);
    printer.print_line("     Individual Assignment Analysis: " + asg_title[assignment]);
    printer.print_line("     Assignment Point Value:" + number_text(asg_points[assignment]));
    printer.print_line("");

    set_font(printer, "Courier New", 10);
    print_statistics(printer, assignment);
    set_font(printer, "Arial", 12);
    printer.print_line("");

    printer.set_font_name("Courier New");
    printer.set_underline(true);
    printer.set_bold(true);
    printer.print_line("           (Student) (Points)   (Percentage%)  (Letter Grade)  ");
    printer.set_bold(false);
    printer.set_underline(false);
    for (std::int16_t s = 0; s <= last_student(); ++s) {
        const std::int16_t score = students[s].scores[assignment];
        if (score >= 0) {
            printer.print_line(result_line(students[s], score, asg_points[assignment]));
        }
    }
}

} // namespace quillmark
