#pragma once

#include <string_view>
#include <vector>

namespace quillmark {

// An entry of the Help menu: its command name, its caption, and the messages it shows one
// after the other.
struct HelpEntry {
    std::string_view name;
    std::string_view caption;
    std::vector<std::string_view> messages;
};

// The Help menu's entries above the about box, in menu order.
const std::vector<HelpEntry>& help_entries();

// The about box's text.
inline constexpr std::string_view about_text = "Quillmark v3.5";

} // namespace quillmark
