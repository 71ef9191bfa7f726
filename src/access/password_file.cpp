#include "access/password_file.h"

#include "access/private_file.h"
#include "classdata/atomic_file.h"
#include "classdata/program_folder.h"

namespace quillmark {
namespace {

std::filesystem::path password_file_path() {
    return in_program_folder("qmk.dat");
}

} // namespace

Result create_password_file() {
    return append_to_private_file(password_file_path(), {});
}

StoredPassword read_password_file() {
    std::optional<std::string> contents =
        read_private_file(password_file_path(), max_password_file_size + 1);
    if (contents && contents->size() > max_password_file_size) {
        return {std::nullopt,
                Result::failure("The password file \"qmk.dat\" holds more than " +
                                std::to_string(max_password_file_size) +
                                " bytes, more than any password file, so Quillmark leaves it "
                                "unread. Delete it to choose a password again.")};
    }
    if (!contents || contents->empty()) {
        return {};
    }
    contents->resize(std::min(contents->find_first_of("\r\n"), contents->size()));
    return {std::move(contents)};
}

Result write_password_file(std::string_view line) {
    std::string bytes{line};
    bytes += "\r\n";
    return write_file_atomically(password_file_path(), bytes, FileAccess::owner_only);
}

Result delete_password_file() {
    return delete_private_file(password_file_path());
}

} // namespace quillmark
