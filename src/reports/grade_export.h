#pragma once

#include "classdata/result.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// The open class's grades as a CSV file for a spreadsheet or a learning management system:
// used students in slot order, used assignments in slot order, UTF-8, rows ending in CR LF.
namespace quillmark {

enum class ExportFormat { spreadsheet, canvas, moodle };

// Writes the grades in the format's layout. Titles repeated in the class get " (2)", " (3)"
// (in the Canvas layout " [2]", " [3]", as Canvas reads " (2)" as assignment id 2) so that every
// column is unique; the spreadsheet layout starts with a byte order mark and guards texts a
// spreadsheet would run as formulas with a leading apostrophe. Moodle's excused is "-".
void write_grades_csv(std::ostream& out, ExportFormat format);

// Writes the spreadsheet layout as an Excel workbook, replacing the file: IDs and names as text,
// scores and averages as numbers, excused as "EX", the points row in italics on grey, the header
// row and the name columns frozen. On failure the message is the reason (Windows-1252).
Result write_grades_xlsx(const std::filesystem::path& file);

// What an export can write: one of the CSV layouts, or the spreadsheet layout as a workbook.
enum class ExportLayout { spreadsheet, canvas, moodle, xlsx };

// The layout's whole file; on failure nothing, and reason says why (Windows-1252).
std::optional<std::string> grades_file(ExportLayout layout, std::string& reason);

// Replaces the file atomically with the grades; on failure the message is "Could not export the
// grades to "<name>": <reason>." and an earlier file is whole.
Result export_grades(const std::filesystem::path& file, ExportLayout layout);

// The layout a command line names ("spreadsheet", "canvas", "moodle", "xlsx"); nothing for
// another word.
std::optional<ExportLayout> export_layout_named(std::string_view name);

// The file name an export proposes: "<class> - Grades.csv" (".xlsx" for the workbook), the class
// being class_file without its ending. Windows-1252, like class_file.
std::string export_file_name(ExportLayout layout);

} // namespace quillmark
