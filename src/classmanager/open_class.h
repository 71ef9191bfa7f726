#pragma once

#include "classdata/result.h"

#include <string_view>

namespace quillmark {

// Makes a class file of the program folder the open class: resets the class, sets class_file
// and reads the file unless it is empty (an empty file is a new class, which keeps the current
// instructor). On failure the message names the file and why; the class is then reset, and
// class_file and instructor are as they were.
Result open_class(std::string_view file_name);

} // namespace quillmark
