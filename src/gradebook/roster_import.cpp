#include "gradebook/roster_import.h"

#include "classdata/class_data.h"
#include "classdata/name_in_message.h"
#include "classdata/system_reason.h"
#include "classdata/text_encoding.h"
#include "gradebook/latin_letters.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <csv.h>
#include <istream>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <utility>

namespace quillmark {
namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
// How many lines with text may stand above the header row: a title, a date, a blank row.
constexpr std::size_t header_search = 5;

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

// Whether the bytes hold at least one valid UTF-8 sequence beyond ASCII: Windows-1252 text
// hardly ever does, so such a file is UTF-8 even where some of its lines are not.
bool has_utf8_beyond_ascii(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const bool ascii = static_cast<unsigned char>(bytes[i]) < 0x80;
        if (next_utf8(bytes, i) && !ascii) {
            return true;
        }
    }
    return false;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
        return;
    }
    const int continuation = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr std::array<unsigned char, 4> leads{0x00, 0xC0, 0xE0, 0xF0};
    out.push_back(static_cast<char>(leads[static_cast<std::size_t>(continuation)] |
                                    (c >> (6 * continuation))));
    for (int k = continuation - 1; k >= 0; --k) {
        out.push_back(static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F)));
    }
}

std::string utf8_of(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) {
        append_utf8(out, c);
    }
    return out;
}

// UTF-16 text after its byte order mark as UTF-8; an unpaired surrogate or a last odd byte
// gives a byte that is no valid UTF-8, so that its line is listed.
std::string utf16_to_utf8(std::string_view bytes, bool big_endian) {
    const auto unit = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(big_endian ? (first << 8) | second : (second << 8) | first);
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) <= 0xDFFF) {
            append_utf8(out, 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00));
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out.push_back('\xFF');
        } else {
            append_utf8(out, c);
        }
    }
    if (i < bytes.size()) {
        out.push_back('\xFF');
    }
    return out;
}

// The code points of a field, composed; nothing when the bytes are no valid UTF-8.
std::optional<std::u32string> decoded(std::string_view bytes, Encoding encoding) {
    std::u32string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        if (encoding == Encoding::cp1252) {
            text.push_back(cp1252_to_unicode(static_cast<unsigned char>(bytes[i++])));
        } else if (const std::optional<char32_t> c = next_utf8(bytes, i)) {
            text.push_back(*c);
        } else {
            return std::nullopt;
        }
    }
    return composed(text);
}

bool is_control(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

// Whether the class file holds the character as it is.
bool fits_class_file(char32_t c) {
    return !is_control(c) && (unicode_to_cp1252(c) != '?' || c == '?');
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

// A name as it is read: a line break (a quoted one, or CR LF) and other controls become a
// blank, and blanks around it go.
std::u32string name_text(std::u32string_view text) {
    std::u32string result;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n') {
            continue;
        }
        result.push_back(is_control(text[k]) ? U' ' : text[k]);
    }
    return std::u32string{trimmed(result)};
}

// The closest spelling of a name the class file can hold, Windows-1252 and at most
// longest_imported_name characters: letters with marks it cannot store lose the marks. Nothing
// when a character has no such spelling.
std::optional<std::string> spelled(std::u32string_view name) {
    std::string result;
    for (char32_t c : name) {
        if (fits_class_file(c)) {
            result.push_back(unicode_to_cp1252(c));
        } else if (const std::optional<char32_t> base = base_letter(c)) {
            result.push_back(unicode_to_cp1252(*base));
        } else if (!is_combining_mark(c)) {
            return std::nullopt;
        }
    }
    // A mark left out may have stood between a blank and an end.
    const auto blank = [](char c) { return c == ' ' || c == '\xA0'; };
    result.erase(result.begin(), std::find_if_not(result.begin(), result.end(), blank));
    result.erase(std::find_if_not(result.rbegin(), result.rend(), blank).base(), result.end());
    result.resize(std::min(result.size(), longest_imported_name));
    return result;
}

// A header as it is compared: ASCII letters in lower case, blanks and underscores left out.
std::string header_key(std::u32string_view header) {
    std::string key;
    for (char32_t c : header) {
        if (is_blank(c) || c == '_' || c == 0xFEFF) {
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

// The separator the first lines with text use most (the header row is among them): comma,
// semicolon or tab, comma on a tie.
char separator_of(std::string_view bytes) {
    std::array<std::size_t, 3> counts{};
    constexpr std::array<char, 3> separators{',', ';', '\t'};
    bool quoted = false;
    bool seen_text = false;
    std::size_t lines = 0;
    for (char c : bytes) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            lines += seen_text ? 1 : 0;
            seen_text = false;
            if (lines > header_search) {
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
    std::optional<std::size_t> full_name; // "Last, First" or "First Last"
    std::vector<std::size_t> id_numbers;  // the preferred first
};

Columns columns_of(const Record& header, Encoding encoding) {
    // The ID columns from the most particular name on: a learning management system's file
    // has its own "ID" beside the school's.
    constexpr std::array<std::string_view, 5> id_keys{"sisuserid", "studentid", "studentnumber",
                                                      "idnumber", "id"};
    Columns columns;
    std::array<std::optional<std::size_t>, id_keys.size()> ids;
    for (std::size_t k = 0; k < header.fields.size(); ++k) {
        const std::string key =
            header_key(decoded(header.fields[k], encoding).value_or(std::u32string{}));
        const auto take = [&](std::optional<std::size_t>& column) {
            if (!column) {
                column = k;
            }
        };
        if (key == "lastname" || key == "surname" || key == "familyname") {
            take(columns.last_name);
        } else if (key == "firstname" || key == "givenname") {
            take(columns.first_name);
        } else if (key == "student" || key == "name" || key == "studentname") {
            take(columns.full_name);
        } else if (const auto rank = std::find(id_keys.begin(), id_keys.end(), key);
                   rank != id_keys.end()) {
            take(ids[static_cast<std::size_t>(rank - id_keys.begin())]);
        }
    }
    for (const std::optional<std::size_t>& column : ids) {
        if (column) {
            columns.id_numbers.push_back(*column);
        }
    }
    return columns;
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

bool same_ignoring_case(std::u32string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char32_t x, char y) {
        const auto lower = [](char32_t c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
        return lower(x) == lower(static_cast<unsigned char>(y));
    });
}

// The rows of a learning management system's export that hold no student.
bool names_no_student(std::u32string_view name) {
    return same_ignoring_case(name, "Points Possible") ||
           same_ignoring_case(name, "Manual Posting");
}

class Planner {
public:
    Planner(Columns columns, Encoding encoding)
        : columns_{std::move(columns)}
        , encoding_{encoding}
        , ids_{ids_in_class()}
        , room_{free_slots()} {}

    void add(const Record& record) {
        if (blank_record(record)) {
            return;
        }
        line_ = "Line " + std::to_string(record.line) + ": ";
        std::optional<std::u32string> last;
        std::optional<std::u32string> first;
        bool split = false;
        if (columns_.last_name) {
            last = name_cell(record, columns_.last_name);
            first = name_cell(record, columns_.first_name);
        } else if (const std::optional<std::u32string> full =
                       name_cell(record, columns_.full_name)) {
            if (names_no_student(*full)) {
                return;
            }
            split = split_name(*full, last.emplace(), first.emplace());
        }
        // The preferred ID column that is not empty on this row.
        std::optional<std::u32string> id = std::u32string{};
        for (auto column = columns_.id_numbers.begin();
             column != columns_.id_numbers.end() && id && id->empty(); ++column) {
            id = id_cell(record, *column);
        }
        if (!last || !first || !id) {
            return skip("the text is not valid UTF-8, the encoding of the rest of the file");
        }
        if (names_no_student(*last)) {
            return;
        }
        if (id->empty()) {
            return skip("no ID");
        }
        if (!std::all_of(id->begin(), id->end(), fits_class_file)) {
            return skip("the class file cannot store the ID " + shown(*id) + " exactly");
        }
        if (id->size() > longest_imported_id) {
            return skip("the ID " + shown(*id) + " is longer than " +
                        std::to_string(longest_imported_id) + " characters");
        }
        std::string id_number;
        std::transform(id->begin(), id->end(), std::back_inserter(id_number), unicode_to_cp1252);
        const std::optional<std::string> first_name = spelled(*first);
        const std::optional<std::string> last_name = spelled(*last);
        if (!first_name || !last_name) {
            return skip("the class file cannot store the " +
                        std::string{first_name ? "last" : "first"} + " name " +
                        shown(first_name ? *last : *first) + " in any spelling");
        }
        if (last_name->empty()) {
            return skip("no last name");
        }
        if (ids_.contains(id_number)) {
            ++already_in_class_;
            return skip("ID " + cp1252_to_utf8(id_number) + " is already in the class");
        }
        if (planned_ids_.contains(id_number)) {
            return skip("ID " + cp1252_to_utf8(id_number) + " is on an earlier line too");
        }
        if (students_.size() == room_) {
            if (beyond_room_++ == 0) {
                first_beyond_room_ = record.line;
            }
            return;
        }
        note_change(*first, *first_name);
        note_change(*last, *last_name);
        split_ += split ? 1 : 0;
        planned_ids_.insert(id_number);
        students_.push_back({*first_name, *last_name, id_number});
    }

    void finish(RosterPlan& plan) {
        if (beyond_room_ > 0) {
            notes_.insert(notes_.begin(), "Line " + std::to_string(first_beyond_room_) +
                                              " and after: the class holds " +
                                              std::to_string(student_slots) + " students; " +
                                              std::to_string(beyond_room_) +
                                              " more students skipped.");
        }
        plan.students = std::move(students_);
        plan.notes = std::move(notes_);
        plan.skipped = skipped_ + beyond_room_;
        plan.already_in_class = already_in_class_;
        plan.changed = changed_;
        plan.split = split_;
    }

private:
    // The field's text, nothing for bytes that are no valid UTF-8.
    std::optional<std::u32string> text_of(const Record& record, std::size_t column) const {
        return column < record.fields.size() ? decoded(record.fields[column], encoding_)
                                             : std::u32string{};
    }

    // A name field as name_text reads it; the empty text for no column.
    std::optional<std::u32string> name_cell(const Record& record,
                                            std::optional<std::size_t> column) const {
        const std::optional<std::u32string> text =
            column ? text_of(record, *column) : std::u32string{};
        return text ? std::optional{name_text(*text)} : std::nullopt;
    }

    // An ID field without the blanks around it, and nothing else changed: an ID is a key.
    std::optional<std::u32string> id_cell(const Record& record, std::size_t column) const {
        const std::optional<std::u32string> text = text_of(record, column);
        return text ? std::optional{std::u32string{trimmed(*text)}} : std::nullopt;
    }

    // "Last, First", or "First Last" split at the last blank (true then).
    static bool split_name(std::u32string_view full, std::u32string& last, std::u32string& first) {
        if (const std::size_t comma = full.rfind(U','); comma != std::u32string_view::npos) {
            last = trimmed(full.substr(0, comma));
            first = trimmed(full.substr(comma + 1));
            return false;
        }
        const std::size_t blank = full.find_last_of(U" \u00A0");
        if (blank == std::u32string_view::npos) {
            last = full;
            return false;
        }
        last = trimmed(full.substr(blank + 1));
        first = trimmed(full.substr(0, blank));
        return true;
    }

    // A text for a note: controls shown as blanks, so that the note keeps to its line.
    static std::string shown(std::u32string_view text) { return utf8_of(name_text(text)); }

    void skip(const std::string& why) {
        ++skipped_;
        notes_.push_back(line_ + why + "; skipped.");
    }

    void note_change(std::u32string_view read, const std::string& stored) {
        const std::string before = utf8_of(read);
        const std::string after = cp1252_to_utf8(stored);
        if (before != after) {
            ++changed_;
            notes_.push_back(line_ + before + " \u2192 " + after);
        }
    }

    Columns columns_;
    Encoding encoding_;
    std::set<std::string> ids_;
    std::set<std::string> planned_ids_;
    std::size_t room_;
    std::string line_;
    std::vector<ImportedStudent> students_;
    std::vector<std::string> notes_;
    std::size_t skipped_ = 0;
    std::size_t already_in_class_ = 0;
    std::size_t changed_ = 0;
    std::size_t split_ = 0;
    std::size_t beyond_room_ = 0;
    std::size_t first_beyond_room_ = 0;
};

Result refusal(std::string_view file_name, std::string_view reason) {
    return Result::failure("Could not import students from \"" + name_in_message(file_name) +
                           "\": " + std::string{reason} + ".");
}

bool has_name_column(const Columns& columns) {
    return columns.last_name || columns.full_name;
}

Result plan_from_bytes(std::string_view bytes, const std::string& file_name, RosterPlan& plan) {
    if (bytes.size() > largest_class_list) {
        return refusal(file_name, "the file is larger than 10 MB");
    }
    Encoding encoding = Encoding::utf8;
    std::string from_utf16;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        from_utf16 = utf16_to_utf8(bytes.substr(2), bytes.starts_with("\xFE"));
        bytes = from_utf16;
    } else if (bytes.starts_with(byte_order_mark)) {
        bytes.remove_prefix(byte_order_mark.size());
    } else if (!has_utf8_beyond_ascii(bytes)) {
        encoding = Encoding::cp1252;
    }
    std::size_t error_line = 0;
    const std::optional<std::vector<Record>> records =
        read_records(bytes, separator_of(bytes), error_line);
    if (!records) {
        return refusal(file_name, "line " + std::to_string(error_line) + " is not valid CSV");
    }
    // The header row is the first of the first lines naming a name and an ID column.
    auto header = records->end();
    std::optional<Columns> columns;
    bool names_found = false;
    std::size_t lines_with_text = 0;
    for (auto record = records->begin();
         record != records->end() && lines_with_text < header_search && !columns; ++record) {
        if (blank_record(*record)) {
            continue;
        }
        ++lines_with_text;
        Columns found = columns_of(*record, encoding);
        names_found = names_found || has_name_column(found);
        if (has_name_column(found) && !found.id_numbers.empty()) {
            header = record;
            columns = std::move(found);
        }
    }
    if (lines_with_text == 0) {
        return refusal(file_name, "the file is empty");
    }
    if (!names_found) {
        return refusal(file_name, "no column of last names or names was found");
    }
    if (!columns) {
        return refusal(file_name, "no column of ID numbers was found");
    }
    if (std::all_of(std::next(header), records->end(), blank_record)) {
        return refusal(file_name, "the file lists no students");
    }
    Planner planner{std::move(*columns), encoding};
    std::for_each(std::next(header), records->end(), [&](const Record& r) { planner.add(r); });
    planner.finish(plan);
    return Result::success();
}

// A count and its noun, singular for one: "1 line", "2 lines".
std::string counted(std::size_t count, std::string_view one, std::string_view more) {
    return std::to_string(count) + " " + std::string{count == 1 ? one : more};
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
        return refusal(name, system_reason(errno));
    }
    std::string bytes;
    std::array<char, 65536> chunk{};
    std::size_t count = 0;
    while (bytes.size() <= largest_class_list &&
           (count = std::fread(chunk.data(), 1, chunk.size(), opened.get())) > 0) {
        bytes.append(chunk.data(), count);
    }
    if (std::ferror(opened.get())) {
        return refusal(name, system_reason(errno));
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

RosterQuestion roster_import_question(const RosterPlan& plan, std::string_view file_name) {
    const std::string name = "\"" + cp1252_to_utf8(name_in_message(file_name)) + "\"";
    RosterQuestion question;
    question.asks = !plan.students.empty();
    if (question.asks) {
        question.text = "Import " + counted(plan.students.size(), "student", "students") +
                        " from " + name + "?";
    } else if (plan.skipped > 0 && plan.already_in_class == plan.skipped) {
        question.text =
            "Every student in " + name + " is in the class already: there is nothing to add.";
    } else {
        question.text = "There is nothing to add from " + name + ".";
    }
    std::vector<std::string> summary;
    if (plan.changed > 0) {
        summary.push_back(counted(plan.changed, "name is", "names are") +
                          " changed to fit the class file.");
    }
    if (plan.split > 0) {
        summary.push_back(
            counted(plan.split, "name without a comma is", "names without a comma are") +
            " split at the last blank into first and last name.");
    }
    if (plan.skipped > 0) {
        summary.push_back(counted(plan.skipped, "line is", "lines are") + " skipped.");
    }
    for (std::size_t k = 0; k < summary.size(); ++k) {
        question.text += (k == 0 ? "\n\n" : "\n") + summary[k];
    }
    for (const std::string& note : plan.notes) {
        question.details += (question.details.empty() ? "" : "\n") + note;
    }
    return question;
}

} // namespace quillmark
