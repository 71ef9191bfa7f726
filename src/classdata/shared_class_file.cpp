#include "classdata/shared_class_file.h"

#include "classdata/atomic_file.h"
#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/program_folder.h"
#include "classdata/whole_file.h"

#include <filesystem>
#include <system_error>

namespace quillmark {
namespace {

// A name that cannot be looked at counts as free: the write to it then says what is wrong.
bool name_taken(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(in_program_folder(name), error);
}

// start + ending, or start + " 2" + ending and so on while the name is taken.
std::string first_free_name(const std::string& start, std::string_view ending) {
    std::string name = start + std::string{ending};
    for (int number = 2; name_taken(name); ++number) {
        name = start + " " + std::to_string(number) + std::string{ending};
    }
    return name;
}

} // namespace

std::optional<std::string> class_file_changed_elsewhere() {
    std::string bytes;
    if (read_whole_file(in_program_folder(class_file), bytes) != 0 || bytes == class_file_base) {
        return std::nullopt;
    }
    return bytes;
}

Result write_open_class() {
    std::string bytes = class_file_text();
    Result written = write_file_atomically(in_program_folder(class_file), bytes);
    if (written) {
        class_file_base = std::move(bytes);
    }
    return written;
}

Result keep_unreadable_copy(std::string_view bytes, std::string& kept_name) {
    kept_name = first_free_name(class_file + ".unreadable", "");
    return write_file_atomically(in_program_folder(kept_name), bytes, FileAccess::everyone,
                                 "the unreadable copy");
}

Result keep_this_copy(std::string& kept_name) {
    if (kept_name.empty()) {
        const std::size_t dot = class_file.rfind('.');
        const std::string stem = class_file.substr(0, dot);
        const std::string extension = dot == std::string::npos ? ".cls" : class_file.substr(dot);
        kept_name = first_free_name(stem + " (this copy's work)", extension);
    }
    return write_file_atomically(in_program_folder(kept_name), class_file_text());
}

} // namespace quillmark
