#include "classdata/command_line.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace quillmark {
namespace {

// The value of an option that takes one, as "--name value" or "--name=value"; moves argument
// onto the value when it is the next argument. Nothing when the argument is another option or
// the value is missing or empty.
std::optional<std::string_view>
option_value(std::string_view name, std::vector<std::string_view>::const_iterator& argument,
             std::vector<std::string_view>::const_iterator end) {
    if (*argument == name) {
        if (std::next(argument) == end || std::next(argument)->empty()) {
            return std::nullopt;
        }
        return *++argument;
    }
    if (argument->size() > name.size() + 1 && argument->starts_with(name) &&
        (*argument)[name.size()] == '=') {
        return argument->substr(name.size() + 1);
    }
    return std::nullopt;
}

bool known_format(std::string_view format) {
    constexpr std::array<std::string_view, 4> formats{"spreadsheet", "canvas", "moodle", "xlsx"};
    return std::ranges::find(formats, format) != formats.end();
}

} // namespace

std::string help_text() {
    return std::string{usage_line} +
           "\n"
           "\n"
           "Without --list or --export, Quillmark opens its windows.\n"
           "\n"
           "  --folder DIR     keep the classes in DIR instead of the per-user data folder\n"
           "  --list           print the classes of the folder, one a line, and end\n"
           "  --export CLASS   print the grades of CLASS as CSV and end; CLASS is a class as\n"
           "                   --list prints it, with or without its \".cls\" or \".web\" ending\n"
           "  --format FORMAT  the layout --export writes: spreadsheet (CSV for spreadsheet\n"
           "                   programs), canvas (Canvas gradebook import), moodle (Moodle\n"
           "                   grade import) or xlsx (an Excel workbook for spreadsheet\n"
           "                   programs, IDs kept as text)\n"
           "  --output FILE    write the export to FILE instead of standard output (\"-\");\n"
           "                   never to one of Quillmark's own files\n"
           "  -h, --help       print this help and end\n"
           "  --version        print the version of Quillmark and end\n"
           "\n"
           "--list and --export open no window. When a password is set they ask for it first,\n"
           "or read it as one line from standard input when that is not a terminal. They end\n"
           "with status 1 on an error or a wrong password, and 2 on a wrong command line.\n"
           "\n"
           "Moodle needs its grade items created first, each with its points: a new item is\n"
           "out of 100, and a score above 100 stops the whole import on a default site. In\n"
           "Moodle's import, map \"ID number\" to the user's ID number. Excused is \"-\".\n";
}

std::optional<CommandLine> read_command_line(const std::vector<std::string_view>& arguments,
                                             std::string& problem) {
    problem.clear();
    CommandLine options;
    std::optional<std::string_view> format;
    bool output = false;
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        if (*argument == "--help" || *argument == "-h") {
            options.help = true;
        } else if (*argument == "--version") {
            options.version = true;
        } else if (*argument == "--list") {
            options.list = true;
        } else if (const auto folder = option_value("--folder", argument, arguments.end())) {
            options.folder = *folder;
        } else if (const auto name = option_value("--export", argument, arguments.end())) {
            options.export_class = *name;
        } else if (const auto layout = option_value("--format", argument, arguments.end())) {
            format = *layout;
        } else if (const auto file = option_value("--output", argument, arguments.end())) {
            // "-" is the usual name of standard output.
            output = true;
            options.output =
                *file == "-" ? std::nullopt : std::optional<std::filesystem::path>{*file};
        } else {
            return std::nullopt;
        }
    }
    if (format && !known_format(*format)) {
        problem = "--format \"" + std::string{*format} +
                  "\" is not a format; choose spreadsheet, canvas, moodle or xlsx.";
        return std::nullopt;
    }
    if (options.export_class) {
        if (!format || options.list) {
            return std::nullopt;
        }
        options.format = *format;
    } else if (format || output) {
        return std::nullopt;
    }
    return options;
}

} // namespace quillmark
