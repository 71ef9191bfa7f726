#pragma once

#include "classdata/result.h"

#include <optional>
#include <string>
#include <string_view>

// The open class's file may be written by another copy of Quillmark too: a second computer
// through a USB stick, a shared drive or a synchronised folder, or a second Quillmark on this
// one. This copy remembers the bytes it last read or wrote, and looks at the file before every
// write, so that what the other copy wrote is merged, never overwritten unseen.
namespace quillmark {

// The open class's file as this copy last read or wrote it; empty for a new class, whose file
// is empty.
inline std::string class_file_base;

// What another copy wrote in the open class's file since this copy last read or wrote it: the
// file's contents when they differ from class_file_base (times and sizes are not trusted, as USB
// sticks and network shares keep them poorly). Nothing when the file holds the base, or is gone
// or cannot be read: the write then goes ahead as it always did, and says what is wrong.
std::optional<std::string> class_file_changed_elsewhere();

// Writes the open class to its file as save_class does and, when that succeeded, remembers the
// bytes written as class_file_base.
Result write_open_class();

// Keeps bytes that are no readable class beside the class file before it is written over:
// "<class file>.unreadable", or "<class file>.unreadable 2" and so on when that name is taken.
// kept_name is the name used.
Result keep_unreadable_copy(std::string_view bytes, std::string& kept_name);

// Keeps the open class, as it is now, in a class file of its own while the teacher settles a
// conflict with another copy, so that the work of neither copy is lost if the program ends
// meanwhile: "<class> (this copy's work).cls" (".web" for such a class), numbered from 2 when
// another class holds that name. kept_name, when not empty, names the file to write again.
Result keep_this_copy(std::string& kept_name);

} // namespace quillmark
