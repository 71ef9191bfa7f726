#pragma once

#include "classdata/result.h"

#include <cstddef>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

// Files that only their owner may read or write: the password file and the failed log-on log.
namespace quillmark {

// Appends the bytes, creating the file with owner-only permissions when there is none; with no
// bytes it only makes sure the file exists. An existing file keeps its permissions.
Result append_to_private_file(const std::filesystem::path& path, std::string_view bytes);

// The file's first limit bytes (the whole file by default); nothing when it cannot be read.
std::optional<std::string>
read_private_file(const std::filesystem::path& path,
                  std::size_t limit = std::numeric_limits<std::size_t>::max());

// Succeeds when the file is gone afterwards, also when there was none.
Result delete_private_file(const std::filesystem::path& path);

} // namespace quillmark
