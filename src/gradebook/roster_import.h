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

// The longest texts a student keeps, as the student editor takes them: longer names are cut,
// longer IDs skip their row.
inline constexpr std::size_t longest_imported_name = 30;
inline constexpr std::size_t longest_imported_id = 10;

struct ImportedStudent {
    std::string first_name; // Windows-1252, as the class holds texts
    std::string last_name;
    std::string id_number;
};

struct RosterPlan {
    std::vector<ImportedStudent> students; // in the file's order, all of them fit the class
    // Each line skipped and each name changed, one UTF-8 sentence each, the full class first.
    std::vector<std::string> notes;
    std::size_t skipped = 0;          // lines skipped, those beyond a full class among them
    std::size_t already_in_class = 0; // lines skipped because their ID is in the class
    std::size_t changed = 0;          // names stored in another spelling, or cut
    std::size_t split = 0;            // names without a comma split into first and last name
};

// Reads a class list (comma, semicolon or tab separated; UTF-8, UTF-16 with a byte order mark,
// or Windows-1252) and plans adding its students to the open class. A file without a byte
// order mark is read as UTF-8 when it holds any valid UTF-8 beyond ASCII, a line that then is no
// valid UTF-8 being skipped; otherwise as Windows-1252. The header row, found among
// the first lines, names the columns, letter case, blanks and underscores ignored. Rows without
// a last name or ID, with an ID the class file cannot store exactly, with a name holding a
// character that has no spelling in Windows-1252, with IDs already in the class or earlier in
// the list, and rows beyond the free slots are skipped; other names get the closest spelling
// the class file holds and long ones are cut; each is a note of the plan. A file that is no
// class list is refused with "Could not import students from "<name>": <reason>.", file_name
// giving the name; plan is then untouched.
Result plan_roster_import(std::istream& in, const std::string& file_name, RosterPlan& plan);
Result plan_roster_import(const std::filesystem::path& file, RosterPlan& plan);

// Puts the planned students into the first free student slots, in order, as new students with
// no scores; the one change an import makes to the class.
void apply_roster_import(const RosterPlan& plan);

struct RosterQuestion {
    std::string text;    // UTF-8
    std::string details; // UTF-8, every note of the plan one a line; empty when there is none
    bool asks = false;   // a question for Yes or No; otherwise there is nothing to add
};

// The question asked before the import: "Import N students from "<file>"?" and a line for each
// kind of note, or what the file adds nothing for. file_name is Windows-1252.
RosterQuestion roster_import_question(const RosterPlan& plan, std::string_view file_name);

} // namespace quillmark
