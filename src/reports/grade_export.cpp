#include "reports/grade_export.h"

#include "classdata/atomic_file.h"
#include "classdata/class_data.h"
#include "classdata/name_in_message.h"
#include "classdata/numbers.h"
#include "classdata/text_encoding.h"
#include "grading/letter_grade.h"
#include "grading/statistics.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <ostream>
#include <set>
#include <sstream>
#include <vector>

namespace quillmark {
namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

// One CSV row in UTF-8, its fields quoted only where RFC 4180 needs it.
class Row {
public:
    explicit Row(ExportFormat format)
        : guard_formulas_{format == ExportFormat::spreadsheet} {}

    // A Windows-1252 text of the class.
    Row& text(std::string_view cp1252) {
        std::string cell = cp1252_to_utf8(cp1252);
        if (guard_formulas_ && runs_as_formula(cell)) {
            cell.insert(0, 1, '\'');
        }
        return field(cell);
    }
    Row& number(std::int16_t value) { return field(std::to_string(value)); }
    Row& score(std::int16_t value, std::string_view excused_text) {
        return value == excused ? field(excused_text) : number(value);
    }
    Row& empty(int count = 1) {
        for (int k = 0; k < count; ++k) {
            field({});
        }
        return *this;
    }
    Row& field(std::string_view cell) {
        if (started_) {
            line_ += ',';
        }
        started_ = true;
        if (needs_quotes(cell)) {
            line_ += '"';
            for (char c : cell) {
                line_ += c;
                if (c == '"') {
                    line_ += '"';
                }
            }
            line_ += '"';
        } else {
            line_ += cell;
        }
        return *this;
    }
    void end(std::ostream& out) const { out << line_ << "\r\n"; }

private:
    static bool runs_as_formula(std::string_view cell) {
        // A cell that reads as a number stays a number: only text can run as a formula.
        return !cell.empty() &&
               std::string_view{"=+-@\t\r"}.find(cell.front()) != std::string_view::npos &&
               !parse_number(cell);
    }
    static bool needs_quotes(std::string_view cell) {
        const auto blank = [](char c) { return c == ' ' || c == '\t'; };
        return cell.find_first_of(",\"\r\n") != std::string_view::npos ||
               (!cell.empty() && (blank(cell.front()) || blank(cell.back())));
    }

    bool guard_formulas_;
    bool started_ = false;
    std::string line_;
};

struct Column {
    std::int16_t slot;
    std::string title; // Windows-1252, unique among the row's headers
};

// The used assignments in slot order, repeated titles numbered so that no header appears twice,
// not even one of the layout's own.
std::vector<Column> assignment_columns(std::initializer_list<std::string_view> fixed) {
    std::set<std::string> taken{fixed.begin(), fixed.end()};
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        if (assignment_used(a)) {
            taken.insert(asg_title[a]);
        }
    }
    std::set<std::string> written{fixed.begin(), fixed.end()};
    std::vector<Column> columns;
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        if (!assignment_used(a)) {
            continue;
        }
        std::string title = asg_title[a];
        if (written.contains(title)) {
            for (int n = 2;; ++n) {
                std::string numbered = asg_title[a] + " (" + std::to_string(n) + ")";
                if (!taken.contains(numbered) && !written.contains(numbered)) {
                    title = std::move(numbered);
                    break;
                }
            }
        }
        written.insert(title);
        columns.push_back({a, std::move(title)});
    }
    return columns;
}

std::string two_decimals(double value) {
    std::array<char, 64> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 2)
            .ptr;
    std::string result{text.data(), end};
    return result == "-0.00" ? "0.00" : result;
}

std::string without_trailing_blanks(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

void write_spreadsheet(std::ostream& out) {
    constexpr ExportFormat format = ExportFormat::spreadsheet;
    const std::vector<Column> columns =
        assignment_columns({"Last Name", "First Name", "ID", "Average", "Grade"});
    out << byte_order_mark;
    Row header{format};
    header.field("Last Name").field("First Name").field("ID");
    for (const Column& column : columns) {
        header.text(column.title);
    }
    header.field("Average").field("Grade").end(out);

    Row points{format};
    points.field("Points Possible").empty(2);
    for (const Column& column : columns) {
        points.number(asg_points[column.slot]);
    }
    points.empty(2).end(out);

    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (!student_used(s)) {
            continue;
        }
        const student_rec& student = students[s];
        Row row{format};
        row.text(student.last_name).text(student.first_name).text(student.id_number);
        for (const Column& column : columns) {
            row.score(student.scores[column.slot], "EX");
        }
        const double percent = student_average(s) * 100;
        row.field(two_decimals(percent)).text(without_trailing_blanks(letter_grade(percent)));
        row.end(out);
    }
}

void write_canvas(std::ostream& out) {
    constexpr ExportFormat format = ExportFormat::canvas;
    const std::vector<Column> columns =
        assignment_columns({"Student", "ID", "SIS User ID", "SIS Login ID", "Section"});
    Row header{format};
    header.field("Student").field("ID").field("SIS User ID").field("SIS Login ID").field("Section");
    for (const Column& column : columns) {
        header.text(column.title);
    }
    header.end(out);

    Row points{format};
    points.field("Points Possible").empty(4);
    for (const Column& column : columns) {
        points.number(asg_points[column.slot]);
    }
    points.end(out);

    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (!student_used(s)) {
            continue;
        }
        const student_rec& student = students[s];
        Row row{format};
        row.text(student.first_name.empty() ? student.last_name
                                            : student.last_name + ", " + student.first_name)
            .empty()
            .text(student.id_number)
            .empty(2);
        for (const Column& column : columns) {
            row.score(student.scores[column.slot], "EX");
        }
        row.end(out);
    }
}

void write_moodle(std::ostream& out) {
    constexpr ExportFormat format = ExportFormat::moodle;
    const std::vector<Column> columns = assignment_columns({"ID number"});
    Row header{format};
    header.field("ID number");
    for (const Column& column : columns) {
        header.text(column.title);
    }
    header.end(out);

    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (!student_used(s)) {
            continue;
        }
        const student_rec& student = students[s];
        Row row{format};
        row.text(student.id_number);
        for (const Column& column : columns) {
            row.score(student.scores[column.slot], "");
        }
        row.end(out);
    }
}

} // namespace

void write_grades_csv(std::ostream& out, ExportFormat format) {
    switch (format) {
    case ExportFormat::spreadsheet:
        write_spreadsheet(out);
        break;
    case ExportFormat::canvas:
        write_canvas(out);
        break;
    case ExportFormat::moodle:
        write_moodle(out);
        break;
    }
}

Result export_grades(const std::filesystem::path& file, ExportFormat format) {
    std::ostringstream grades;
    write_grades_csv(grades, format);
    if (const std::optional<std::string> reason = replace_file(file, grades.view())) {
        return Result::failure("Could not export the grades to \"" +
                               name_in_message(utf8_to_cp1252(file.filename().string())) +
                               "\": " + *reason + ".");
    }
    return Result::success();
}

std::optional<ExportFormat> export_format_named(std::string_view name) {
    if (name == "spreadsheet") {
        return ExportFormat::spreadsheet;
    }
    if (name == "canvas") {
        return ExportFormat::canvas;
    }
    if (name == "moodle") {
        return ExportFormat::moodle;
    }
    return std::nullopt;
}

std::string export_file_name() {
    std::string name = class_file;
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name + " - Grades.csv";
}

} // namespace quillmark
