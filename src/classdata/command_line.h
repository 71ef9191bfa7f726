#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

struct CommandLine {
    std::optional<std::filesystem::path> folder; // --folder DIR: the program folder to use
    bool help = false;                           // --help, -h
    bool version = false;                        // --version
    bool list = false;                           // --list: the classes, without a window
    std::optional<std::string> export_class;     // --export CLASS, as typed (UTF-8)
    std::string format; // --format: "spreadsheet", "canvas", "moodle", "xlsx"
    std::optional<std::filesystem::path> output; // --output FILE; standard output without it or
                                                 // with "-"

    // Whether the options ask for a command that runs without a window.
    bool windowless() const { return list || export_class.has_value(); }
};

inline constexpr std::string_view usage_line =
    "usage: quillmark [--folder DIR] [--list | --export CLASS --format "
    "spreadsheet|canvas|moodle|xlsx [--output FILE]]";

// What --help prints: the usage line, then every option.
std::string help_text();

// The options that follow the program's name; nothing when one is unknown, lacks its value, or
// is not an option at all, when --format names no known layout, when --format or --output come
// without --export or --export without --format, and when --list and --export come together.
// An unknown format is named in problem ("--format "excel" is not a format; choose spreadsheet,
// canvas, moodle or xlsx."), which is empty otherwise.
std::optional<CommandLine> read_command_line(const std::vector<std::string_view>& arguments,
                                             std::string& problem);

} // namespace quillmark
