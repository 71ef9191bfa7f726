#pragma once

#include "classdata/class_data.h"
#include "classdata/result.h"

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

namespace quillmark {

// Writes the open class to the file in the extended layout (Windows-1252 text, CRLF line ends;
// a line feed inside a text is written as a blank, so it cannot break the file).
// The write is atomic: a temporary file in the same folder, flushed, then renamed over the old
// one, so a failed save leaves the old file whole; the failure names the file and the reason.
Result save_class(const std::filesystem::path& path);

// The open class in the extended layout, as save_class writes it.
std::string class_file_text();

// Writes the open class in the extended layout to a stream.
void write_class(std::ostream& out);

// Reads the class file named by class_file in the program folder into the class data; call it
// just after clear_class. Accepts both layouts and bare line feeds. An unreadable file (a slot
// index out of range, a number that does not fit 16 bits, a flag that is no flag, an early
// end, a file that cannot be opened) gives a failure naming the file and the line, and leaves
// the class data as it was; nothing is ever stored outside the arrays. The bytes read become
// class_file_base.
Result load_class();

// Reads a class from a stream; file_name names it in the failure message.
Result read_class(std::istream& in, const std::string& file_name);

// A class held apart from the open one, with the same arrays; it starts as an empty class with
// the default settings and no instructor. Large: keep it on the heap.
struct ClassContent {
    ClassContent();

    decltype(quillmark::students) students;
    decltype(quillmark::asg_title) asg_title;
    decltype(quillmark::asg_points) asg_points;
    decltype(quillmark::asg_notes) asg_notes;
    decltype(quillmark::grade_scale) grade_scale;
    bool use_plus = false;
    bool use_minus = false;
    std::string instructor;
};

// Reads class file bytes (either layout, CRLF or LF) into an empty `content`, leaving the open
// class alone. On failure the message says where and why ("line 5: ..."), and `content` holds
// whatever was read before that line.
Result read_class_content(std::string_view bytes, ClassContent& content);

} // namespace quillmark
