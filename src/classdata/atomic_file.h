#pragma once

#include "classdata/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillmark {

enum class FileAccess { everyone, owner_only };

// Replaces the file's contents as one step: the bytes go to a hidden temporary file in the same
// folder, are flushed to the disk, and the temporary file is renamed over the old one; the
// folder is flushed then too, so that a power cut cannot undo the new name. On failure the old
// file is whole, no temporary file remains, and the message names the file and the reason; only
// when the folder alone cannot be flushed does the file already hold the new contents, and that
// is reported all the same. A read-only file is not replaced. The file keeps its permissions; a
// new one gets those the umask allows, and an owner-only file is readable by its owner alone.
// what, when given, says what the file is in the message ("the seating chart").
Result write_file_atomically(const std::filesystem::path& path, std::string_view bytes,
                             FileAccess access = FileAccess::everyone, std::string_view what = {});

// The same write for callers whose message is not about saving: the reason of a failure
// ("File too large", "the file is read-only"), or nothing on success.
std::optional<std::string> replace_file_atomically(const std::filesystem::path& path,
                                                   std::string_view bytes,
                                                   FileAccess access = FileAccess::everyone);

// Deletes the temporary files that saves into folder interrupted by a crash or a kill left
// behind: regular files named as write_file_atomically names them and unchanged for more than a
// minute, so that no save still running owns them. Touches nothing else; failures are ignored.
void remove_stale_temporary_files(const std::filesystem::path& folder);

} // namespace quillmark
