#include "classmanager/open_class.h"

#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/name_in_message.h"
#include "classdata/program_folder.h"
#include "classdata/shared_class_file.h"
#include "classdata/system_reason.h"

#include <string>
#include <system_error>

namespace quillmark {

Result open_class(std::string_view file_name) {
    std::error_code error;
    const auto size = std::filesystem::file_size(in_program_folder(file_name), error);
    if (error) {
        return Result::failure("Could not open \"" + name_in_message(file_name) +
                               "\": " + system_reason(error) + ".");
    }
    const std::string previous_file = class_file;
    const std::string previous_instructor = instructor;
    clear_class();
    class_file = file_name;
    class_file_base.clear();
    if (size == 0) {
        return Result::success();
    }
    Result result = load_class();
    if (!result) {
        // Nothing of an unreadable file may linger, nor decide the next new class's instructor.
        clear_class();
        class_file = previous_file;
        instructor = previous_instructor;
    }
    return result;
}

} // namespace quillmark
