#include "seating/chart_file.h"

namespace quillmark {

std::string chart_file_name(std::string_view class_file_name) {
    // Class files always carry an extension; a shorter name leaves only ".chart".
    const std::string_view stem =
        class_file_name.substr(0, class_file_name.size() >= 4 ? class_file_name.size() - 4 : 0);
    return std::string{stem} + ".chart";
}

} // namespace quillmark
