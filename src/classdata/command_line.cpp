#include "classdata/command_line.h"

#include <iterator>

namespace quillmark {

std::optional<CommandLine> read_command_line(const std::vector<std::string_view>& arguments) {
    constexpr std::string_view folder_option = "--folder";
    CommandLine options;
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        if (*argument == "--help") {
            options.help = true;
        } else if (*argument == folder_option && std::next(argument) != arguments.end() &&
                   !std::next(argument)->empty()) {
            options.folder = *++argument;
        } else if (argument->starts_with(folder_option) &&
                   argument->size() > folder_option.size() + 1 &&
                   (*argument)[folder_option.size()] == '=') {
            options.folder = argument->substr(folder_option.size() + 1);
        } else {
            return std::nullopt;
        }
    }
    return options;
}

} // namespace quillmark
