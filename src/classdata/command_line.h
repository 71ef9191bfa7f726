#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace quillmark {

struct CommandLine {
    std::optional<std::filesystem::path> folder; // --folder DIR: the program folder to use
    bool help = false;                           // --help
};

inline constexpr std::string_view usage_line = "usage: quillmark [--folder DIR]";

// The options that follow the program's name; nothing when one is unknown, lacks its value, or
// is not an option at all.
std::optional<CommandLine> read_command_line(const std::vector<std::string_view>& arguments);

} // namespace quillmark
