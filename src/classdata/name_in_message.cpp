#include "classdata/name_in_message.h"

namespace quillmark {
namespace {

constexpr std::size_t longest_shown = 60;
constexpr char ellipsis = '\x85'; // "…" in Windows-1252

} // namespace

std::string name_in_message(std::string_view name) {
    if (name.size() <= longest_shown) {
        return std::string{name};
    }
    constexpr std::size_t tail = (longest_shown - 1) / 2;
    constexpr std::size_t head = longest_shown - 1 - tail;
    std::string shown{name.substr(0, head)};
    shown += ellipsis;
    shown += name.substr(name.size() - tail);
    return shown;
}

} // namespace quillmark
