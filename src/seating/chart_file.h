#pragma once

#include "classdata/result.h"

#include <array>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace quillmark {

// One desk of the seating chart: the text typed on it, and whether the room has it.
struct Desk {
    std::string text;
    bool present = true;

    bool operator==(const Desk&) const = default;
};
using Desks = std::array<Desk, 72>;

// Every desk present and empty.
void initchart(Desks& desks);

// The chart file name of a class file name: the name less its four-character extension
// (".cls", or ".web" alike), then ".chart".
std::string chart_file_name(std::string_view class_file_name);

// The open class's chart file in the program folder: the class file name less ".cls", then
// ".chart".
std::filesystem::path chart_file_path();

// Reads the 72 records of a chart; records the stream lacks become present, empty desks.
void read_chart(std::istream& in, Desks& desks);
// 144 CR LF lines: each desk's text, then "1" for a present desk or "0".
void write_chart(std::ostream& out, const Desks& desks);

// Reads the open class's chart, creating the empty file when none exists. A file that cannot
// be created or read leaves every desk present and empty.
Result load_chart(Desks& desks);
// Replaces the open class's chart file atomically.
Result save_chart(const Desks& desks);

// The open class's chart as its file holds it now, read without creating the file: nothing
// when there is no such file or it cannot be read.
std::optional<Desks> chart_on_disk();

} // namespace quillmark
