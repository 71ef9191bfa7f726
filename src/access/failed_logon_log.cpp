#include "access/failed_logon_log.h"

#include "access/private_file.h"
#include "classdata/program_folder.h"

namespace quillmark {
namespace {

std::filesystem::path failed_logon_log_path() {
    return in_program_folder("qmk.els");
}

} // namespace

Result create_failed_logon_log() {
    return append_to_private_file(failed_logon_log_path(), {});
}

Result append_failed_logon(std::string_view date, std::string_view time, std::string_view typed) {
    std::string line;
    line.append(date).append(" ").append(time).append(" ").append(typed).append("\r\n");
    return append_to_private_file(failed_logon_log_path(), line);
}

std::optional<std::string> read_failed_logon_log() {
    const std::optional<std::string> log = read_private_file(failed_logon_log_path());
    if (!log || log->empty()) {
        return std::nullopt;
    }
    return failed_logon_text(*log);
}

Result delete_failed_logon_log() {
    return delete_private_file(failed_logon_log_path());
}

std::string failed_logon_text(std::string_view log) {
    std::string text;
    std::size_t start = 0;
    while (start < log.size()) {
        const std::size_t end = std::min(log.find_first_of(",\r\n", start), log.size());
        text.append(log.substr(start, end - start)).append("\r\n");
        if (end == log.size()) {
            break;
        }
        start = end + 1;
        if (log[end] == ',' && start == log.size()) {
            // A comma at the very end still closes a field, an empty one after it.
            text.append("\r\n");
        } else if (log[end] == '\r' && start < log.size() && log[start] == '\n') {
            ++start;
        }
    }
    return text;
}

} // namespace quillmark
