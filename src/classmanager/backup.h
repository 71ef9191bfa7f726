#pragma once

#include "classdata/result.h"

#include <filesystem>
#include <string>
#include <vector>

// Copying classes between the program folder and the backup drive. Each class file travels with
// its companions (the seating chart and the categories) when it has them; nothing else does.
namespace quillmark {

// Copies the named class files (Windows-1252 names, as the class list holds them) from the
// program folder to the drive, in order, each replacing a file of its name. Stops at the first
// copy that fails: "Backup stopped: could not copy "<name>": <reason>."; the copies made before
// it stay. Every file is written whole or not at all, as a save writes it, and is on the disk,
// under its name, once the copy succeeds.
Result backup_classes(const std::vector<std::string>& file_names,
                      const std::filesystem::path& drive);

// The same from the drive to the program folder, "Restore stopped: ..." on failure.
Result restore_classes(const std::vector<std::string>& file_names,
                       const std::filesystem::path& drive);

} // namespace quillmark
