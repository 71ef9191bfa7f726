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
// so that every column is unique; the spreadsheet layout starts with a byte order mark and
// guards texts a spreadsheet would run as formulas with a leading apostrophe.
void write_grades_csv(std::ostream& out, ExportFormat format);

// Replaces the file atomically with the grades; on failure the message is "Could not export the
// grades to "<name>": <reason>." and an earlier file is whole.
Result export_grades(const std::filesystem::path& file, ExportFormat format);

// The format a command line names ("spreadsheet", "canvas", "moodle"); nothing for another word.
std::optional<ExportFormat> export_format_named(std::string_view name);

// The file name an export proposes: "<class> - Grades.csv", the class being class_file without
// its ending. Windows-1252, like class_file.
std::string export_file_name();

} // namespace quillmark
