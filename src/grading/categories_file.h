#pragma once

#include "classdata/result.h"
#include "grading/categories.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// The categories file of a class: JSON in UTF-8 beside the class file, for example
//   {"version": 1, "use_weighted_categories": true,
//    "categories": [{"name": "Quizzes", "weight": 30, "drop_lowest": 1}],
//    "assignments": [{"slot": 0, "category": 0}]}
// where a slot is an assignment slot from 0 and a category an index into "categories";
// assignments not listed are in no category.
namespace quillmark {

// The categories file name of a class file name: "A.cls" (in any letter case) gives
// "A.categories", any other name the whole name then ".categories" ("A.web.categories").
std::string categories_file_name(std::string_view class_file_name);

// The open class's categories file in the program folder.
std::filesystem::path categories_file_path();

// Reads and checks a categories file of at most 1 MB. On any fault gives nothing and sets
// problem to what is wrong, as the end of a sentence ("line 2, column 1: ...", "the weight of
// "Quizzes" must be a number from 0 to 100"); problem is cleared first.
std::optional<Categories> read_categories(std::istream& in, std::string& problem);
void write_categories(std::ostream& out, const Categories& categories);

// Makes the open class's categories file, when there is one, the class's categories;
// assignments listed for unused slots are left out. An unreadable or invalid file leaves the
// class without categories and the file as it is, and the message says so.
Result load_categories();

// Checks the categories, replaces the open class's categories file with them atomically and,
// when that succeeded, makes them the class's; on failure nothing changes and the message says
// why. Unused assignment slots are stored in no category.
Result set_class_categories(Categories categories);

// The categories another copy of the class saved in the open class's categories file since
// this copy last read or wrote it; nothing when the file still holds those, or is missing or
// unreadable (the next write replaces it as before).
std::optional<Categories> categories_changed_elsewhere();

// Makes categories that another copy saved the class's, as load_categories would.
void take_categories(Categories theirs);

// Takes a removed assignment out of its category and saves the categories file when it was in
// one, so that the next assignment in the slot starts in none.
Result remove_assignment_category(std::int16_t assignment);

} // namespace quillmark
