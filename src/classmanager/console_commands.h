#pragma once

#include "reports/grade_export.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string_view>

// The commands that run without a window, on the classes of the program folder. Texts on the
// streams are UTF-8; each returns the program's exit status: 0 done, 1 failed (said on err).
namespace quillmark {

// Every class of the program folder, one name a line, as the class manager lists them.
int list_classes(std::ostream& out);

// Exports a class's grades, its categories counted, to file, or to out when there is none.
// class_name (UTF-8) is a name the class manager lists, with or without its ".cls" or ".web"
// ending. Refuses, writing nothing, one of the program folder's own files and a class whose
// categories cannot be read.
int export_class(std::string_view class_name, ExportLayout layout,
                 const std::optional<std::filesystem::path>& file, std::ostream& out,
                 std::ostream& err);

} // namespace quillmark
