#pragma once

#include "classdata/result.h"

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// Bringing a class list in from a CSV file: first a plan of what would be added and what is
// wrong with the list, worked out without changing anything, then the plan applied in one step.
namespace quillmark {

// A class list larger than this is refused unread.
inline constexpr std::size_t largest_class_list = 10 * 1024 * 1024;

// The longest texts a student keeps, as the student editor takes them; longer ones are cut.
inline constexpr std::size_t longest_imported_name = 30;
inline constexpr std::size_t longest_imported_id = 10;

struct ImportedStudent {
    std::string first_name; // Windows-1252, as the class holds texts
    std::string last_name;
    std::string id_number;
};

struct RosterPlan {
    std::vector<ImportedStudent> students; // in the file's order, all of them fit the class
    std::vector<std::string> problems;     // Windows-1252 sentences, the full class first
};

// Reads a class list (comma, semicolon or tab separated; UTF-8 with or without a byte order
// mark, or Windows-1252) and plans adding its students to the open class. Columns are found by
// their header, letter case and blanks ignored. Rows without a last name or ID, IDs already in
// the class or earlier in the list, and rows beyond the free slots are skipped; characters the
// class cannot store are left out and long texts cut; each is a problem of the plan. A file
// that is no class list is refused with "Could not import students from "<name>": <reason>.",
// file_name giving the name; plan is then untouched.
Result plan_roster_import(std::istream& in, const std::string& file_name, RosterPlan& plan);
Result plan_roster_import(const std::filesystem::path& file, RosterPlan& plan);

// Puts the planned students into the first free student slots, in order, as new students with
// no scores; the one change an import makes to the class.
void apply_roster_import(const RosterPlan& plan);

// The question asked before the import: "Import N students from "<file>"?", then at most ten
// problems, one a line, and how many more there are. file_name is Windows-1252.
std::string roster_import_question(const RosterPlan& plan, std::string_view file_name);

} // namespace quillmark
