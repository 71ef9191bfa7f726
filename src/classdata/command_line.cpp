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
    constexpr std::array<std::string_view, 3> formats{"spreadsheet", "canvas", "moodle"};
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
           "  --format FORMAT  the layout --export writes: spreadsheet (for spreadsheet\n"
           "                   programs), canvas (Canvas gradebook import) or moodle (Moodle\n"
           "                   grade import)\n"
           "  --output FILE    write the export to FILE instead of standard output\n"
           "  --help           print this help and end\n"
           "\n"
           "--list and --export open no window. When a password is set they ask for it first,\n"
           "or read it as one line from standard input when that is not a terminal. They end\n"
           "with status 1 on an error or a wrong password, and 2 on a wrong command line.\n";
}

std::optional<CommandLine> read_command_line(const std::vector<std::string_view>& arguments) {
    CommandLine options;
    std::optional<std::string_view> format;
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        if (*argument == "--help") {
            options.help = true;
        } else if (*argument == "--list") {
            options.list = true;
        } else if (const auto folder = option_value("--folder", argument, arguments.end())) {
            options.folder = *folder;
        } else if (const auto name = option_value("--export", argument, arguments.end())) {
            options.export_class = *name;
        } else if (const auto layout = option_value("--format", argument, arguments.end())) {
            format = *layout;
        } else if (const auto file = option_value("--output", argument, arguments.end())) {
            options.output = *file;
        } else {
            return std::nullopt;
        }
    }
    if (options.export_class) {
        if (!format || !known_format(*format) || options.list) {
            return std::nullopt;
        }
        options.format = *format;
    } else if (format || options.output) {
        return std::nullopt;
    }
    return options;
}

} // namespace quillmark
