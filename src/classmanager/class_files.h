#pragma once

#include "classdata/result.h"
#include "grading/categories_file.h"
#include "seating/chart_file.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The class files of a folder and the commands on them. Names are Windows-1252 text, as the
// class holds them; a class name as the user types it becomes the file "<name>.cls".
namespace quillmark {

// A file that belongs to a class file and goes where the class goes.
struct Companion {
    std::string (*file_name)(std::string_view class_file_name);
    std::string_view what; // as messages name it
};
// "A.cls" and "A.web" share their seating chart, but each has its own categories file.
inline constexpr std::array companions{Companion{&chart_file_name, "seating chart"},
                                       Companion{&categories_file_name, "categories file"}};

// The regular files of the folder whose names end in ".cls" or ".web" in any letter case,
// sorted without regard to letter case (ties in byte order). Names that Windows-1252 cannot
// spell are left out, since no command could name them; an unreadable folder lists nothing.
std::vector<std::string> list_class_files(const std::filesystem::path& folder);

// Creates the empty file of a new class. Blanks around the name and a ".cls" or ".web" ending
// are dropped before ".cls" is added. Refuses, touching nothing, a name that is no plain file
// name and a class that exists already in any letter case; never empties an existing file.
Result create_class_file(const std::filesystem::path& folder, std::string_view class_name);

// Deletes a class file and its companions, but keeps those that another class file still uses.
Result delete_class_file(const std::filesystem::path& folder, std::string_view file_name);

// Renames a class file to "<new name>.cls", the new name taken as create_class_file takes it,
// and its companions with it; a companion another class file still uses is copied instead. Refuses
// a name that belongs to another file in any letter case, a change of letter case alone allowed,
// and never replaces a companion: "A seating chart named "<name>" already exists; the class was not
// renamed.". Whatever fails, nothing is renamed.
Result rename_class_file(const std::filesystem::path& folder, std::string_view file_name,
                         std::string_view new_class_name);

// Refuses a file to export grades to that is, or would replace, one of the program folder's own
// files: a class file as list_class_files reads it, a companion, "qmk.dat" or "qmk.els". Both
// the path as given and the file its symlinks lead to count; the message is ""<name>" is one of
// Quillmark's own files; export the grades to another file.".
Result check_export_file(const std::filesystem::path& file);

} // namespace quillmark
