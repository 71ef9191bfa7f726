#pragma once

#include "classdata/result.h"

#include <filesystem>
#include <string_view>

namespace quillmark {

enum class FileAccess { everyone, owner_only };

// Replaces the file's contents as one step: the bytes go to a hidden temporary file in the same
// folder, are flushed to the disk, and the temporary file is renamed over the old one. On
// failure the old file is whole, no temporary file remains, and the message names the file and
// the reason. A read-only file is not replaced. The file keeps its permissions; a new one gets
// those the umask allows, and an owner-only file is readable by its owner alone.
Result write_file_atomically(const std::filesystem::path& path, std::string_view bytes,
                             FileAccess access = FileAccess::everyone);

} // namespace quillmark
