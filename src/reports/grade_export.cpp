#include "reports/grade_export.h"

#include "classdata/atomic_file.h"
#include "classdata/class_data.h"
#include "classdata/name_in_message.h"
#include "classdata/numbers.h"
#include "classdata/system_reason.h"
#include "classdata/text_encoding.h"
#include "grading/letter_grade.h"
#include "grading/statistics.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <set>
#include <sstream>
#include <unistd.h>
#include <vector>
#include <xlsxwriter.h>

namespace quillmark {
namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

std::string two_decimals(double value) {
    std::array<char, 64> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 2)
            .ptr;
    std::string result{text.data(), end};
    return result == "-0.00" ? "0.00" : result;
}

// CSV rows in UTF-8, their fields quoted only where RFC 4180 needs it and where a ';' would split
// them in a spreadsheet's import, which offers semicolons as separators too.
class CsvWriter {
public:
    CsvWriter(std::ostream& out, ExportFormat format)
        : out_{out}
        , guard_formulas_{format == ExportFormat::spreadsheet}
        , excused_text_{format == ExportFormat::moodle ? "-" : "EX"} {}

    // A text of the layout itself.
    CsvWriter& label(std::string_view text) { return field(text); }
    // A Windows-1252 text of the class.
    CsvWriter& text(std::string_view cp1252) {
        std::string cell = cp1252_to_utf8(cp1252);
        if (guard_formulas_ && runs_as_formula(cell)) {
            cell.insert(0, 1, '\'');
        }
        return field(cell);
    }
    CsvWriter& number(std::int16_t value) { return field(std::to_string(value)); }
    CsvWriter& score(std::int16_t value) {
        return value == excused ? field(excused_text_) : number(value);
    }
    CsvWriter& average(double percent) { return field(two_decimals(percent)); }
    CsvWriter& empty(int count = 1) {
        for (int k = 0; k < count; ++k) {
            field({});
        }
        return *this;
    }
    void end_row() {
        out_ << line_ << "\r\n";
        line_.clear();
        started_ = false;
    }

private:
    CsvWriter& field(std::string_view cell) {
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
    static bool runs_as_formula(std::string_view cell) {
        // A cell that reads as a number stays a number: only text can run as a formula.
        return !cell.empty() &&
               std::string_view{"=+-@\t\r"}.find(cell.front()) != std::string_view::npos &&
               !parse_number(cell);
    }
    static bool needs_quotes(std::string_view cell) {
        const auto blank = [](char c) { return c == ' ' || c == '\t'; };
        return cell.find_first_of(",;\"\r\n") != std::string_view::npos ||
               (!cell.empty() && (blank(cell.front()) || blank(cell.back())));
    }

    std::ostream& out_;
    bool guard_formulas_;
    std::string_view excused_text_;
    bool started_ = false;
    std::string line_;
};

// The spreadsheet layout as a worksheet, cell by cell; the first failure of the library is kept.
class WorkbookWriter {
public:
    WorkbookWriter(lxw_workbook* book, lxw_worksheet* sheet)
        : sheet_{sheet}
        , points_format_{workbook_add_format(book)}
        , average_format_{workbook_add_format(book)} {
        format_set_italic(points_format_);
        format_set_bg_color(points_format_, 0xE0E0E0);
        format_set_num_format(average_format_, "0.00");
    }

    WorkbookWriter& label(std::string_view text) { return string(std::string{text}); }
    WorkbookWriter& text(std::string_view cp1252) { return string(cp1252_to_utf8(cp1252)); }
    WorkbookWriter& number(std::int16_t value) { return number_cell(value, row_format()); }
    WorkbookWriter& score(std::int16_t value) {
        return value == excused ? label("EX") : number(value);
    }
    // Rounded as the CSV file writes it, so that both show the same figure.
    WorkbookWriter& average(double percent) {
        const std::string text = two_decimals(percent);
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return number_cell(value, average_format_);
    }
    WorkbookWriter& empty(int count = 1) {
        for (int k = 0; k < count; ++k) {
            if (row_format() != nullptr) {
                keep(worksheet_write_blank(sheet_, row_, column_, row_format()));
            }
            ++column_;
        }
        return *this;
    }
    void end_row() {
        ++row_;
        column_ = 0;
    }
    lxw_error error() const { return error_; }

private:
    // The row under the header holds the points, styled apart from the scores.
    lxw_format* row_format() const { return row_ == 1 ? points_format_ : nullptr; }
    WorkbookWriter& string(const std::string& utf8) {
        keep(worksheet_write_string(sheet_, row_, column_++, utf8.c_str(), row_format()));
        return *this;
    }
    WorkbookWriter& number_cell(double value, lxw_format* format) {
        keep(worksheet_write_number(sheet_, row_, column_++, value, format));
        return *this;
    }
    void keep(lxw_error error) {
        if (error_ == LXW_NO_ERROR) {
            error_ = error;
        }
    }

    lxw_worksheet* sheet_;
    lxw_format* points_format_;
    lxw_format* average_format_;
    lxw_row_t row_ = 0;
    lxw_col_t column_ = 0;
    lxw_error error_ = LXW_NO_ERROR;
};

struct Column {
    std::int16_t slot;
    std::string title; // Windows-1252, unique among the row's headers
};

// The used assignments in slot order, repeated titles numbered so that no header appears twice,
// not even one of the layout's own: "Quiz (2)", or with brackets "Quiz [2]".
std::vector<Column> assignment_columns(std::initializer_list<std::string_view> fixed,
                                       bool brackets = false) {
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
                std::string numbered = asg_title[a] + (brackets ? " [" : " (") + std::to_string(n) +
                                       (brackets ? "]" : ")");
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

std::string without_trailing_blanks(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

// The spreadsheet layout's rows, written alike as CSV and as a workbook.
template <typename Writer> void write_spreadsheet(Writer& writer) {
    const std::vector<Column> columns =
        assignment_columns({"Last Name", "First Name", "ID", "Average", "Grade"});
    writer.label("Last Name").label("First Name").label("ID");
    for (const Column& column : columns) {
        writer.text(column.title);
    }
    writer.label("Average").label("Grade").end_row();

    writer.label("Points Possible").empty(2);
    for (const Column& column : columns) {
        writer.number(asg_points[column.slot]);
    }
    writer.empty(2).end_row();

    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (!student_used(s)) {
            continue;
        }
        const student_rec& student = students[s];
        writer.text(student.last_name).text(student.first_name).text(student.id_number);
        for (const Column& column : columns) {
            writer.score(student.scores[column.slot]);
        }
        const double percent = student_average(s) * 100;
        writer.average(percent).text(without_trailing_blanks(letter_grade(percent))).end_row();
    }
}

void write_canvas(std::ostream& out) {
    CsvWriter writer{out, ExportFormat::canvas};
    const std::vector<Column> columns =
        assignment_columns({"Student", "ID", "SIS User ID", "SIS Login ID", "Section"}, true);
    writer.label("Student").label("ID").label("SIS User ID").label("SIS Login ID").label("Section");
    for (const Column& column : columns) {
        writer.text(column.title);
    }
    writer.end_row();

    writer.label("Points Possible").empty(4);
    for (const Column& column : columns) {
        writer.number(asg_points[column.slot]);
    }
    writer.end_row();

    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (!student_used(s)) {
            continue;
        }
        const student_rec& student = students[s];
        writer
            .text(student.first_name.empty() ? student.last_name
                                             : student.last_name + ", " + student.first_name)
            .empty()
            .text(student.id_number)
            .empty(2);
        for (const Column& column : columns) {
            writer.score(student.scores[column.slot]);
        }
        writer.end_row();
    }
}

void write_moodle(std::ostream& out) {
    CsvWriter writer{out, ExportFormat::moodle};
    const std::vector<Column> columns = assignment_columns({"ID number"});
    writer.label("ID number");
    for (const Column& column : columns) {
        writer.text(column.title);
    }
    writer.end_row();

    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (!student_used(s)) {
            continue;
        }
        const student_rec& student = students[s];
        writer.text(student.id_number);
        for (const Column& column : columns) {
            writer.score(student.scores[column.slot]);
        }
        writer.end_row();
    }
}

// A new, empty file of the temporary folder, for the library that writes only to paths.
std::optional<std::filesystem::path> temporary_file(std::string& reason) {
    std::error_code error;
    std::string name = (std::filesystem::temp_directory_path(error) / "quillmark-XXXXXX").string();
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) {
        reason = system_reason(std::error_code{errno, std::generic_category()});
        return std::nullopt;
    }
    ::close(descriptor);
    return std::filesystem::path{name};
}

} // namespace

void write_grades_csv(std::ostream& out, ExportFormat format) {
    switch (format) {
    case ExportFormat::spreadsheet: {
        out << byte_order_mark;
        CsvWriter writer{out, format};
        write_spreadsheet(writer);
        break;
    }
    case ExportFormat::canvas:
        write_canvas(out);
        break;
    case ExportFormat::moodle:
        write_moodle(out);
        break;
    }
}

Result write_grades_xlsx(const std::filesystem::path& file) {
    lxw_workbook* book = workbook_new(file.c_str());
    lxw_worksheet* sheet = book == nullptr ? nullptr : workbook_add_worksheet(book, "Grades");
    if (sheet == nullptr) {
        workbook_close(book);
        return Result::failure(system_reason(ENOMEM));
    }
    WorkbookWriter writer{book, sheet};
    write_spreadsheet(writer);
    worksheet_freeze_panes(sheet, 1, 2);
    const lxw_error closed = workbook_close(book);
    const lxw_error error = writer.error() != LXW_NO_ERROR ? writer.error() : closed;
    if (error != LXW_NO_ERROR) {
        return Result::failure(lxw_strerror(error));
    }
    return Result::success();
}

std::optional<std::string> grades_file(ExportLayout layout, std::string& reason) {
    if (layout != ExportLayout::xlsx) {
        std::ostringstream grades;
        write_grades_csv(grades, layout == ExportLayout::canvas   ? ExportFormat::canvas
                                 : layout == ExportLayout::moodle ? ExportFormat::moodle
                                                                  : ExportFormat::spreadsheet);
        return std::move(grades).str();
    }
    const std::optional<std::filesystem::path> workbook = temporary_file(reason);
    if (!workbook) {
        return std::nullopt;
    }
    std::optional<std::string> bytes;
    if (const Result written = write_grades_xlsx(*workbook); !written) {
        reason = written.message();
    } else {
        std::ifstream in{*workbook, std::ios::binary};
        std::ostringstream read;
        read << in.rdbuf();
        if (in && read) {
            bytes = std::move(read).str();
        } else {
            reason = system_reason(EIO);
        }
    }
    std::error_code ignored;
    std::filesystem::remove(*workbook, ignored);
    return bytes;
}

Result export_grades(const std::filesystem::path& file, ExportLayout layout) {
    std::string reason;
    const std::optional<std::string> grades = grades_file(layout, reason);
    if (grades) {
        if (std::optional<std::string> failed = replace_file(file, *grades)) {
            reason = std::move(*failed);
        } else {
            return Result::success();
        }
    }
    return Result::failure("Could not export the grades to \"" +
                           name_in_message(utf8_to_cp1252(file.filename().string())) +
                           "\": " + reason + ".");
}

std::optional<ExportLayout> export_layout_named(std::string_view name) {
    constexpr std::array<std::pair<std::string_view, ExportLayout>, 4> names{{
        {"spreadsheet", ExportLayout::spreadsheet},
        {"canvas", ExportLayout::canvas},
        {"moodle", ExportLayout::moodle},
        {"xlsx", ExportLayout::xlsx},
    }};
    for (const auto& [word, layout] : names) {
        if (word == name) {
            return layout;
        }
    }
    return std::nullopt;
}

std::string export_file_name(ExportLayout layout) {
    std::string name = class_file;
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name + (layout == ExportLayout::xlsx ? " - Grades.xlsx" : " - Grades.csv");
}

} // namespace quillmark
