#pragma once

#include "classdata/result.h"

#include <optional>
#include <string>
#include <string_view>

// The log of failed log-on attempts, "qmk.els" in the program folder: one line per attempt,
// readable by its owner only. A failure of the log never decides a log-on, so callers may ignore
// what these functions report.
namespace quillmark {

// Makes sure the log exists, creating it empty when missing.
Result create_failed_logon_log();

// Appends the line date + " " + time + " " + typed and CR LF, creating the log when missing.
Result append_failed_logon(std::string_view date, std::string_view time, std::string_view typed);

// The log as failed_logon_text gives it; nothing when the log is missing or empty.
std::optional<std::string> read_failed_logon_log();

// Succeeds when the log is gone afterwards.
Result delete_failed_logon_log();

// Every field of the log, a field ending at a comma or a line end (CR LF, LF or CR), each
// followed by CR LF. The line end that closes the log starts no empty field of its own.
std::string failed_logon_text(std::string_view log);

} // namespace quillmark
