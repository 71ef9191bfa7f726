#include "reports/student_report.h"

#include "classdata/class_data.h"
#include "grading/categories.h"
#include "grading/letter_grade.h"
#include "grading/number_text.h"
#include "grading/statistics.h"
#include "reports/report_page.h"

namespace quillmark {
namespace {

// Two columns of the assignment slots 0 to n; with an odd count the right column ends with the
// empty slot after n.
void print_legend(PagePrinter& printer, int n) {
    const int rows = (n + 2) / 2;
    for (int r = 0; r < rows; ++r) {
        printer.print_line("     " + number_text(r + 1) + ". " + fill_text(asg_title[r], 25) +
                           "  " + number_text(r + rows + 1) + ". " +
                           fill_text(asg_title[r + rows], 30));
    }
}

std::string result_line(const student_rec& student, int a) {
    const std::string number = unsigned_number_text(a + 1);
    const std::int16_t score = student.scores[a];
    if (score < 0) {
        return "      " + fill_text(number + "(EXCUSED) ", 11);
    }
    const std::optional<double> pct = score_percentage(score, asg_points[a]);
    return "      " + fill_text(number, 11) + "  " + fill_text(unsigned_number_text(score), 5) +
           "  " + fill_text(unsigned_number_text(asg_points[a]), 14) + "  " +
           fill_text(pct ? cut_text(unsigned_number_text(*pct), 6) : "", 12) + "  " +
           fill_text(pct ? letter_grade(*pct) : "", 14) + "  ";
}

// "Quizzes (weight 30%): 95.5%, 1 score dropped", or "...: nothing counted".
std::string category_line(const Category& category, const CategoryScore& score) {
    std::string line = "      " + category.name + " (weight " +
                       cut_text(unsigned_number_text(category.weight), 6) + "%): ";
    if (!score.counted) {
        return line + "nothing counted";
    }
    line += cut_text(unsigned_number_text(score.fraction * 100), 6) + "%, ";
    if (score.dropped == 0) {
        return line + "no scores dropped";
    }
    return line + std::to_string(score.dropped) +
           (score.dropped == 1 ? " score dropped" : " scores dropped");
}

} // namespace

void print_student_report(PagePrinter& printer, std::int16_t student, const std::string& today) {
    if (student < 0 || student > student_slots) {
        return;
    }
    const student_rec& s = students[student];
    print_header_block(printer, today);
    printer.print_line("     Individual Student Analysis: " + s.first_name + " " + s.last_name);
    printer.print_line("");

    set_font(printer, "Courier New", 10);
    const double average = student_average(student) * 100;
    printer.print_line("           Average:" + figure_text(average) + "%");
    printer.print_line("      Letter Grade: " + letter_grade(average));
    if (const Categories& categories = class_categories(); categories.in_use) {
        for (std::size_t c = 0; c < categories.list.size(); ++c) {
            printer.print_line(
                category_line(categories.list[c], category_score(categories, c, student)));
        }
    }

    set_font(printer, "Arial", 12);
    printer.print_line("");
    printer.print_line("     Assignments:");
    set_font(printer, "Courier New", 12);
    const int n = last_assignment();
    printer.set_italic(true);
    print_legend(printer, n);
    printer.set_italic(false);
    printer.print_line("");

    printer.set_bold(true);
    printer.set_underline(true);
    printer.print_line("      (Assignment) (Pts.) (Possible Pts.) (Percentage%) (Letter Grade)  ");
    printer.set_underline(false);
    printer.set_bold(false);
    for (int a = 0; a <= n; ++a) {
        printer.print_line(result_line(s, a));
    }
}

} // namespace quillmark
