#include "classmanager/console_commands.h"

#include "classdata/program_folder.h"
#include "classdata/text_encoding.h"
#include "classmanager/class_files.h"
#include "classmanager/open_class.h"
#include "grading/categories_file.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace quillmark {
namespace {

// The class files listed all end in ".cls" or ".web", in any letter case.
bool is_name_with_ending(std::string_view file, std::string_view name) {
    return file.size() == name.size() + 4 && file.starts_with(name) && file[name.size()] == '.';
}

// The listed class the name means: the file of that exact name, else the one class whose name
// without its ending it is. Nothing when none or more than one are meant.
std::optional<std::string> class_named(std::string_view name,
                                       const std::vector<std::string>& listed,
                                       std::vector<std::string>& meant) {
    if (std::ranges::find(listed, name) != listed.end()) {
        return std::string{name};
    }
    for (const std::string& file : listed) {
        if (is_name_with_ending(file, name)) {
            meant.push_back(file);
        }
    }
    if (meant.size() == 1) {
        return meant.front();
    }
    return std::nullopt;
}

} // namespace

int list_classes(std::ostream& out) {
    for (const std::string& name : list_class_files(program_folder())) {
        out << cp1252_to_utf8(name) << '\n';
    }
    out.flush();
    return out ? 0 : 1;
}

int export_class(std::string_view class_name, ExportLayout layout,
                 const std::optional<std::filesystem::path>& file, std::ostream& out,
                 std::ostream& err) {
    const std::string name = utf8_to_cp1252(class_name);
    std::vector<std::string> meant;
    const std::optional<std::string> found =
        cp1252_to_utf8(name) == class_name
            ? class_named(name, list_class_files(program_folder()), meant)
            : std::nullopt;
    if (meant.size() > 1) {
        err << "\"" << class_name << "\" could be";
        for (std::size_t k = 0; k < meant.size(); ++k) {
            err << (k == 0 ? " \"" : " or \"") << cp1252_to_utf8(meant[k]) << "\"";
        }
        err << ": name the class with its ending.\n";
        return 1;
    }
    if (!found) {
        err << "There is no class \"" << class_name << "\" in \"" << program_folder().string()
            << "\".\n";
        return 1;
    }
    if (file) {
        if (const Result allowed = check_export_file(*file); !allowed) {
            err << cp1252_to_utf8(allowed.message()) << '\n';
            return 1;
        }
    }
    if (const Result opened = open_class(*found); !opened) {
        err << cp1252_to_utf8(opened.message()) << '\n';
        return 1;
    }
    // The figures must be those of the File menu's export, never silently others.
    if (const Result categories = load_categories(); !categories) {
        err << cp1252_to_utf8(categories.message()) << "\nThe grades were not exported.\n";
        return 1;
    }
    if (file) {
        if (const Result exported = export_grades(*file, layout); !exported) {
            err << cp1252_to_utf8(exported.message()) << '\n';
            return 1;
        }
        return 0;
    }
    std::string reason;
    const std::optional<std::string> grades = grades_file(layout, reason);
    if (!grades) {
        err << "Could not export the grades: " << cp1252_to_utf8(reason) << ".\n";
        return 1;
    }
    out << *grades;
    out.flush();
    if (!out) {
        err << "Could not write the grades to standard output.\n";
        return 1;
    }
    return 0;
}

} // namespace quillmark
