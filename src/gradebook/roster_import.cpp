#include "gradebook/roster_import.h"

#include "classdata/class_data.h"
#include "classdata/name_in_message.h"
#include "classdata/text_encoding.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <csv.h>
#include <istream>
#include <memory>
#include <optional>
#include <set>

namespace quillmark {
namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
constexpr std::size_t problems_shown = 10;

enum class Encoding { utf8, cp1252 };

// Decodes the UTF-8 sequence at bytes[i] and moves i past it; nothing, with i past the first
// byte, for an invalid one (an overlong form, a surrogate, a code point above U+10FFFF).
std::optional<char32_t> next_utf8(std::string_view bytes, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(bytes[i++]);
    if (lead < 0x80) {
        return lead;
    }
    std::size_t continuation = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuation = 1;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuation = 2;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuation = 3;
        least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() - i < continuation) {
        return std::nullopt;
    }
    char32_t c = lead & (0x3F >> continuation);
    for (std::size_t k = 0; k < continuation; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    i += continuation;
    return c;
}

bool is_utf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        if (!next_utf8(bytes, i)) {
            return false;
        }
    }
    return true;
}

// The code points of a field; bytes that are no valid UTF-8 give U+FFFD, which the class
// cannot store.
std::u32string code_points(std::string_view bytes, Encoding encoding) {
    std::u32string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        text.push_back(encoding == Encoding::cp1252
                           ? cp1252_to_unicode(static_cast<unsigned char>(bytes[i++]))
                           : next_utf8(bytes, i).value_or(U'\uFFFD'));
    }
    return text;
}

bool is_blank(char32_t c) {
    return c == ' ' || c == '\t' || c == 0xA0;
}

std::u32string_view trimmed(std::u32string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

struct Cleaned {
    std::string text; // Windows-1252
    bool dropped = false;
    bool cut = false;
};

// The text as the class can hold it: blanks around it gone, controls and characters outside
// Windows-1252 left out, at most longest characters.
Cleaned cleaned(std::u32string_view text, std::size_t longest) {
    Cleaned result;
    for (char32_t c : trimmed(text)) {
        const char byte = unicode_to_cp1252(c);
        // Controls would break the class file's lines or show as nothing.
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) || (byte == '?' && c != '?')) {
            result.dropped = true;
        } else {
            result.text.push_back(byte);
        }
    }
    // Characters left out may have stood between a blank and the end.
    const auto blank = [](char c) { return c == ' ' || c == '\xA0'; };
    result.text.erase(result.text.begin(),
                      std::find_if_not(result.text.begin(), result.text.end(), blank));
    result.text.erase(std::find_if_not(result.text.rbegin(), result.text.rend(), blank).base(),
                      result.text.end());
    if (result.text.size() > longest) {
        result.text.resize(longest);
        result.cut = true;
    }
    return result;
}

// A header as it is compared: ASCII letters in lower case, blanks left out.
std::string header_key(std::u32string_view header) {
    std::string key;
    for (char32_t c : header) {
        if (is_blank(c) || c == 0xFEFF) {
            continue;
        }
        key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a')
                                           : static_cast<char>(c < 0x80 ? c : 0x7F));
    }
    return key;
}

struct Record {
    std::size_t line = 0;            // where the record starts, 1 for the file's first
    std::vector<std::string> fields; // raw bytes
};

// The separator the header line uses most: comma, semicolon or tab, comma on a tie.
char separator_of(std::string_view bytes) {
    std::array<std::size_t, 3> counts{};
    constexpr std::array<char, 3> separators{',', ';', '\t'};
    bool quoted = false;
    bool seen_text = false;
    for (char c : bytes) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            if (seen_text) {
                break;
            }
        } else if (!quoted) {
            seen_text = true;
            for (std::size_t k = 0; k < separators.size(); ++k) {
                counts[k] += c == separators[k] ? 1 : 0;
            }
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return separators[static_cast<std::size_t>(most - counts.begin())];
}

struct Parsing {
    std::vector<Record> records;
    Record current;
    std::size_t line = 1;
    bool record_begun = false;
};

// A record begins on the first line after the last one that holds more than blanks and line
// ends, even when its first field, quoted, ends lines later.
void note_line(Parsing& parsing, std::string_view line) {
    if (!parsing.record_begun && line.find_first_not_of(" \r\n") != std::string_view::npos) {
        parsing.record_begun = true;
        parsing.current.line = parsing.line;
    }
}

// The length of the first line with its end: LF, CR LF, or a lone CR as old Macintosh
// spreadsheets write it.
std::size_t line_length(std::string_view bytes) {
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        return bytes.size();
    }
    return bytes.substr(end).starts_with("\r\n") ? end + 2 : end + 1;
}

// Reads the records with libcsv a line at a time, so that each record knows where it starts;
// nothing when the text is no valid CSV, error_line then saying where.
std::optional<std::vector<Record>> read_records(std::string_view bytes, char separator,
                                                std::size_t& error_line) {
    csv_parser parser{};
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        error_line = 1;
        return std::nullopt;
    }
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> owner{&parser, csv_free};
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    // Only spaces surround fields; a tab may be the separator, and the cleaning trims the rest.
    csv_set_space_func(&parser, [](unsigned char c) { return c == ' ' ? 1 : 0; });

    Parsing parsing;
    const auto end_of_field = [](void* field, std::size_t size, void* data) {
        static_cast<Parsing*>(data)->current.fields.emplace_back(static_cast<const char*>(field),
                                                                 size);
    };
    const auto end_of_record = [](int, void* data) {
        auto& state = *static_cast<Parsing*>(data);
        state.records.push_back(std::move(state.current));
        state.current = {};
        state.record_begun = false;
    };
    while (!bytes.empty()) {
        const std::size_t length = line_length(bytes);
        note_line(parsing, bytes.substr(0, length));
        if (csv_parse(&parser, bytes.data(), length, end_of_field, end_of_record, &parsing) !=
            length) {
            error_line = parsing.line;
            return std::nullopt;
        }
        bytes.remove_prefix(length);
        ++parsing.line;
    }
    if (csv_fini(&parser, end_of_field, end_of_record, &parsing) != 0 ||
        csv_error(&parser) != CSV_SUCCESS) {
        error_line = parsing.line - 1;
        return std::nullopt;
    }
    return std::move(parsing.records);
}

struct Columns {
    std::optional<std::size_t> last_name;
    std::optional<std::size_t> first_name;
    std::optional<std::size_t> full_name; // "Last, First"
    std::optional<std::size_t> id_number;
};

Columns columns_of(const Record& header, Encoding encoding) {
    // The ID columns from the most particular name on: a learning management system's file
    // has its own "ID" beside the school's.
    constexpr std::array<std::string_view, 4> id_keys{"sisuserid", "studentid", "idnumber", "id"};
    Columns columns;
    std::optional<std::size_t> id_rank;
    for (std::size_t k = 0; k < header.fields.size(); ++k) {
        const std::string key = header_key(code_points(header.fields[k], encoding));
        const auto take = [&](std::optional<std::size_t>& column) {
            if (!column) {
                column = k;
            }
        };
        if (key == "lastname" || key == "surname" || key == "familyname") {
            take(columns.last_name);
        } else if (key == "firstname" || key == "givenname") {
            take(columns.first_name);
        } else if (key == "student" || key == "name") {
            take(columns.full_name);
        } else if (const auto rank = std::find(id_keys.begin(), id_keys.end(), key);
                   rank != id_keys.end()) {
            const auto place = static_cast<std::size_t>(rank - id_keys.begin());
            if (!id_rank || place < *id_rank) {
                id_rank = place;
                columns.id_number = k;
            }
        }
    }
    return columns;
}

std::u32string cell(const Record& record, std::optional<std::size_t> column, Encoding encoding) {
    if (!column || *column >= record.fields.size()) {
        return {};
    }
    return code_points(record.fields[*column], encoding);
}

bool blank_record(const Record& record) {
    return std::all_of(record.fields.begin(), record.fields.end(), [](const std::string& field) {
        return std::all_of(field.begin(), field.end(),
                           [](char c) { return c == ' ' || c == '\t'; });
    });
}

std::set<std::string> ids_in_class() {
    std::set<std::string> ids;
    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (student_used(s)) {
            ids.insert(students[s].id_number);
        }
    }
    return ids;
}

std::size_t free_slots() {
    std::size_t count = 0;
    for (std::int16_t s = 0; s < student_slots; ++s) {
        count += student_used(s) ? 0 : 1;
    }
    return count;
}

bool same_ignoring_case(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
        return lower(x) == lower(y);
    });
}

class Planner {
public:
    Planner(Columns columns, Encoding encoding)
        : columns_{columns}
        , encoding_{encoding}
        , ids_{ids_in_class()}
        , room_{free_slots()} {}

    void add(const Record& record) {
        if (blank_record(record)) {
            return;
        }
        const std::string line = "Line " + std::to_string(record.line) + ": ";
        std::u32string last_text;
        std::u32string first_text;
        if (columns_.last_name) {
            last_text = cell(record, columns_.last_name, encoding_);
            first_text = cell(record, columns_.first_name, encoding_);
        } else {
            const std::u32string full = cell(record, columns_.full_name, encoding_);
            const std::size_t comma = full.rfind(U',');
            last_text = full.substr(0, comma);
            first_text = comma == std::u32string::npos ? std::u32string{} : full.substr(comma + 1);
        }
        const std::u32string id_text = cell(record, columns_.id_number, encoding_);
        const Cleaned last = cleaned(last_text, longest_imported_name);
        const Cleaned first = cleaned(first_text, longest_imported_name);
        const Cleaned id = cleaned(id_text, longest_imported_id);

        // The points row of an exported file is no student.
        if (id.text.empty() && same_ignoring_case(last.text, "Points Possible")) {
            return;
        }
        if (last.text.empty()) {
            problems_.push_back(line + (trimmed(last_text).empty()
                                            ? "no last name; skipped."
                                            : "no character of the last name can be stored in "
                                              "the class file; skipped."));
            return;
        }
        if (id.text.empty()) {
            problems_.push_back(line + (trimmed(id_text).empty()
                                            ? "no ID; skipped."
                                            : "no character of the ID can be stored in the class "
                                              "file; skipped."));
            return;
        }
        if (ids_.contains(id.text)) {
            problems_.push_back(line + "ID " + id.text + " is already in the class; skipped.");
            return;
        }
        if (planned_ids_.contains(id.text)) {
            problems_.push_back(line + "ID " + id.text + " is on an earlier line too; skipped.");
            return;
        }
        if (students_.size() == room_) {
            if (beyond_room_++ == 0) {
                first_beyond_room_ = record.line;
            }
            return;
        }
        report(line, first, "first name");
        report(line, last, "last name");
        report(line, id, "ID");
        planned_ids_.insert(id.text);
        students_.push_back({first.text, last.text, id.text});
    }

    void finish(RosterPlan& plan) {
        if (beyond_room_ > 0) {
            problems_.insert(problems_.begin(), "Line " + std::to_string(first_beyond_room_) +
                                                    " and after: the class holds " +
                                                    std::to_string(student_slots) + " students; " +
                                                    std::to_string(beyond_room_) +
                                                    " more students skipped.");
        }
        plan.students = std::move(students_);
        plan.problems = std::move(problems_);
    }

private:
    void report(const std::string& line, const Cleaned& text, std::string_view what) {
        if (text.dropped) {
            problems_.push_back(line +
                                "characters the class file cannot store were left out of the " +
                                std::string{what} + ".");
        }
        if (text.cut) {
            const std::size_t longest = what == "ID" ? longest_imported_id : longest_imported_name;
            problems_.push_back(line + "the " + std::string{what} + " was cut to " +
                                std::to_string(longest) + " characters.");
        }
    }

    Columns columns_;
    Encoding encoding_;
    std::set<std::string> ids_;
    std::set<std::string> planned_ids_;
    std::size_t room_;
    std::vector<ImportedStudent> students_;
    std::vector<std::string> problems_;
    std::size_t beyond_room_ = 0;
    std::size_t first_beyond_room_ = 0;
};

Result refusal(std::string_view file_name, std::string_view reason) {
    return Result::failure("Could not import students from \"" + name_in_message(file_name) +
                           "\": " + std::string{reason} + ".");
}

Result plan_from_bytes(std::string_view bytes, const std::string& file_name, RosterPlan& plan) {
    if (bytes.size() > largest_class_list) {
        return refusal(file_name, "the file is larger than 10 MB");
    }
    Encoding encoding = Encoding::cp1252;
    if (bytes.starts_with(byte_order_mark)) {
        bytes.remove_prefix(byte_order_mark.size());
        encoding = Encoding::utf8;
    } else if (is_utf8(bytes)) {
        encoding = Encoding::utf8;
    }
    std::size_t error_line = 0;
    const std::optional<std::vector<Record>> records =
        read_records(bytes, separator_of(bytes), error_line);
    if (!records) {
        return refusal(file_name, "line " + std::to_string(error_line) + " is not valid CSV");
    }
    const auto header = std::find_if_not(records->begin(), records->end(), blank_record);
    if (header == records->end()) {
        return refusal(file_name, "the file is empty");
    }
    const Columns columns = columns_of(*header, encoding);
    if (!columns.last_name && !columns.full_name) {
        return refusal(file_name, "no column of last names or names was found");
    }
    if (!columns.id_number) {
        return refusal(file_name, "no column of ID numbers was found");
    }
    if (std::all_of(std::next(header), records->end(), blank_record)) {
        return refusal(file_name, "the file lists no students");
    }
    Planner planner{columns, encoding};
    std::for_each(std::next(header), records->end(), [&](const Record& r) { planner.add(r); });
    planner.finish(plan);
    return Result::success();
}

} // namespace

Result plan_roster_import(std::istream& in, const std::string& file_name, RosterPlan& plan) {
    std::string bytes;
    std::array<char, 65536> chunk{};
    while (in && bytes.size() <= largest_class_list) {
        in.read(chunk.data(), chunk.size());
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return refusal(file_name, "the file cannot be read");
    }
    return plan_from_bytes(bytes, file_name, plan);
}

Result plan_roster_import(const std::filesystem::path& file, RosterPlan& plan) {
    const std::string name = utf8_to_cp1252(file.filename().string());
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> opened{std::fopen(file.c_str(), "rb"),
                                                                 std::fclose};
    if (!opened) {
        return refusal(name, std::strerror(errno));
    }
    std::string bytes;
    std::array<char, 65536> chunk{};
    std::size_t count = 0;
    while (bytes.size() <= largest_class_list &&
           (count = std::fread(chunk.data(), 1, chunk.size(), opened.get())) > 0) {
        bytes.append(chunk.data(), count);
    }
    if (std::ferror(opened.get())) {
        return refusal(name, std::strerror(errno));
    }
    return plan_from_bytes(bytes, name, plan);
}

void apply_roster_import(const RosterPlan& plan) {
    std::int16_t slot = 0;
    for (const ImportedStudent& student : plan.students) {
        while (slot < student_slots && student_used(slot)) {
            ++slot;
        }
        if (slot == student_slots) {
            return;
        }
        students[slot] = student_rec{};
        students[slot].first_name = student.first_name;
        students[slot].last_name = student.last_name;
        students[slot].id_number = student.id_number;
    }
}

std::string roster_import_question(const RosterPlan& plan, std::string_view file_name) {
    std::string question = "Import " + std::to_string(plan.students.size()) + " students from \"" +
                           name_in_message(file_name) + "\"?";
    if (!plan.problems.empty()) {
        question += "\n";
    }
    for (std::size_t k = 0; k < plan.problems.size() && k < problems_shown; ++k) {
        question += "\n" + plan.problems[k];
    }
    if (plan.problems.size() > problems_shown) {
        question += "\n" + std::to_string(plan.problems.size() - problems_shown) +
                    " more problems are not shown.";
    }
    return question;
}

} // namespace quillmark
