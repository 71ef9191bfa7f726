#pragma once

#include <filesystem>

namespace quillmark {

// On the first run, when `folder` is empty, copies the sample class `sample` into it as
// "Sample.cls", so a new teacher finds a class at once. A folder holding anything is left as
// it is, and so is the folder when the sample is missing or cannot be copied.
void place_sample_class(const std::filesystem::path& folder, const std::filesystem::path& sample);

} // namespace quillmark
