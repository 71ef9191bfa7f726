#pragma once

#include "classdata/result.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The password file "qmk.dat" in the program folder: one line holding the password's hash (from
// older versions, the password as typed), or no_password when the teacher chose to have none.
// An empty file means no choice is made yet.
namespace quillmark {

// Makes sure the file exists, creating it empty (owner only) when missing.
Result create_password_file();

// A password file holds one short line; a larger file is refused unread.
constexpr std::size_t max_password_file_size = 4096;

struct StoredPassword {
    // The first line without its line end; nothing when the file is missing, empty, unreadable
    // or refused.
    std::optional<std::string> line;
    // A failure, with its message, when the file is larger than max_password_file_size.
    Result read = Result::success();
};

StoredPassword read_password_file();

// Replaces the file, atomically and readable by its owner only, with the line and CR LF.
Result write_password_file(std::string_view line);

// Succeeds when the file is gone afterwards.
Result delete_password_file();

} // namespace quillmark
