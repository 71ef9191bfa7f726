#include "classdata/class_file.h"

#include "classdata/atomic_file.h"
#include "classdata/class_data.h"
#include "classdata/name_in_message.h"
#include "classdata/numbers.h"
#include "classdata/program_folder.h"
#include "classdata/shared_class_file.h"
#include "classdata/system_reason.h"
#include "classdata/whole_file.h"

#include <algorithm>
#include <bitset>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <istream>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmark {
namespace {

constexpr std::string_view extended_layout = "bpp992";
constexpr std::string_view end_of_header = "epp999";
constexpr std::string_view begin_students = "bsd000";
constexpr std::string_view begin_scores = "bsb001";
constexpr std::string_view end_of_scores = "esb001";
constexpr std::string_view end_of_students = "esd000";
constexpr std::string_view begin_assignments = "bad002";
constexpr std::string_view end_of_assignments = "ead002";
constexpr std::string_view begin_grading = "bgs003";
constexpr std::string_view end_of_grading = "egs003";
constexpr std::size_t stored_scale_entries = 12;

void put_line(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

void put_text(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out.append(text);
    // A line break inside a text would shift every later line of the file.
    std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), '\n', ' ');
    out.append("\r\n");
}

void put_number(std::string& out, std::int16_t value) {
    char line[12];
    char* first = line;
    // Negative numbers carry their minus sign where the others have a blank.
    if (value >= 0) {
        *first++ = ' ';
    }
    char* last = std::to_chars(first, std::end(line), value).ptr;
    *last++ = ' ';
    *last++ = '\r';
    *last++ = '\n';
    out.append(line, static_cast<std::size_t>(last - line));
}

void put_flag(std::string& out, bool value) {
    put_line(out, value ? "True" : "False");
}

std::string class_bytes() {
    std::int16_t used_assignments[assignment_slots];
    std::size_t assignment_count = 0;
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        if (assignment_used(a)) {
            used_assignments[assignment_count++] = a;
        }
    }

    std::string out;
    // Room for every line of a class with short texts (a score line pair takes at most 16
    // bytes), so the buffer seldom grows while it is filled.
    out.reserve(1024 + assignment_count * 128 +
                static_cast<std::size_t>(last_student() + 1) * (256 + assignment_count * 16));
    put_line(out, extended_layout);
    put_text(out, instructor);
    put_line(out, end_of_header);
    put_line(out, begin_students);
    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (!student_used(s)) {
            continue;
        }
        const student_rec& student = students[s];
        put_number(out, s);
        put_text(out, student.first_name);
        put_text(out, student.last_name);
        put_text(out, student.id_number);
        put_text(out, student.telephone);
        put_text(out, student.address);
        put_text(out, student.notes);
        put_line(out, begin_scores);
        for (std::size_t k = 0; k < assignment_count; ++k) {
            const std::int16_t a = used_assignments[k];
            put_number(out, a);
            put_number(out, student.scores[a]);
        }
        put_line(out, end_of_scores);
    }
    put_line(out, end_of_students);
    put_line(out, begin_assignments);
    for (std::size_t k = 0; k < assignment_count; ++k) {
        const std::int16_t a = used_assignments[k];
        put_number(out, a);
        put_text(out, asg_title[a]);
        put_text(out, asg_notes[a]);
        put_number(out, asg_points[a]);
    }
    put_line(out, end_of_assignments);
    put_line(out, begin_grading);
    put_flag(out, use_plus);
    put_flag(out, use_minus);
    for (std::size_t k = 0; k < stored_scale_entries; ++k) {
        put_number(out, grade_scale[k]);
    }
    put_line(out, end_of_grading);
    return out;
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool equals_ignoring_case(std::string_view text, std::string_view word) {
    return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) ==
               (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
    });
}

// A number line of the usual shape (optional sign, at most five digits, blanks around), read
// without the cost of the general number reading, which gives the same value.
std::optional<std::int16_t> plain_number(std::string_view line) {
    std::string_view digits = trim_blanks(line);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative || (!digits.empty() && digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 5) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

// What a class file has changed so far, kept so that a file found unreadable halfway changes
// nothing: the few values of the header whole, and each student and assignment slot as it was
// before the reader first stored into it. Undoing a short file thus costs little, however large
// the class.
class ClassUndo {
public:
    ClassUndo()
        : grade_scale_{grade_scale}
        , use_plus_{use_plus}
        , use_minus_{use_minus}
        , instructor_{instructor} {}

    // Call before the reader stores into the slot.
    void keep_student(std::int16_t s) {
        if (!student_kept_[s]) {
            student_kept_[s] = true;
            students_.emplace_back(s, students[s]);
        }
    }
    void keep_assignment(std::int16_t a) {
        if (!assignment_kept_[a]) {
            assignment_kept_[a] = true;
            assignments_.push_back({a, asg_title[a], asg_notes[a], asg_points[a]});
        }
    }

    void undo() {
        for (auto& [s, student] : students_) {
            students[s] = std::move(student);
        }
        for (KeptAssignment& kept : assignments_) {
            asg_title[kept.slot] = std::move(kept.title);
            asg_notes[kept.slot] = std::move(kept.notes);
            asg_points[kept.slot] = kept.points;
        }
        grade_scale = grade_scale_;
        use_plus = use_plus_;
        use_minus = use_minus_;
        instructor = std::move(instructor_);
    }

private:
    struct KeptAssignment {
        std::int16_t slot;
        std::string title;
        std::string notes;
        std::int16_t points;
    };

    std::bitset<student_slots + 1> student_kept_;
    std::vector<std::pair<std::int16_t, student_rec>> students_;
    std::bitset<assignment_slots + 1> assignment_kept_;
    std::vector<KeptAssignment> assignments_;
    decltype(quillmark::grade_scale) grade_scale_;
    bool use_plus_;
    bool use_minus_;
    std::string instructor_;
};

// Where a class file is read into: the open class or a class held apart.
struct ClassFields {
    decltype(quillmark::students)& students;
    decltype(quillmark::asg_title)& asg_title;
    decltype(quillmark::asg_points)& asg_points;
    decltype(quillmark::asg_notes)& asg_notes;
    decltype(quillmark::grade_scale)& grade_scale;
    bool& use_plus;
    bool& use_minus;
    std::string& instructor;
};

// Reads the class file line by line into the fields, taking every value by its position. With
// an undo, every slot is kept in it before the reader first stores into it.
class ClassReader {
public:
    ClassReader(std::string_view bytes, const ClassFields& fields, ClassUndo* undo)
        : rest_{bytes}
        , fields_{fields}
        , undo_{undo} {}

    // False when the file is unreadable; error() then says where and why.
    bool read();
    const std::string& error() const { return error_; }

private:
    bool next_line(std::string_view& line);
    bool skip_line();
    bool read_text(std::string& field);
    bool read_number(std::int16_t& field);
    bool read_flag(bool& field);
    bool number_from(std::string_view line, std::int16_t& value);
    // Reads records up to end_line, each opened by its slot number, with read_record(slot).
    // A slot above last_slot is an error, named as a number of kind.
    template <typename ReadRecord>
    bool read_list(std::string_view end_line, std::int16_t last_slot, std::string_view kind,
                   ReadRecord read_record);
    bool read_students();
    bool read_scores(student_rec& student);
    bool read_assignments();
    bool fail(const std::string& reason);

    std::string_view rest_;
    ClassFields fields_;
    ClassUndo* undo_;
    bool extended_ = false;
    std::size_t line_number_ = 0;
    std::string error_;
};

bool ClassReader::read() {
    std::string_view first_line;
    if (!next_line(first_line)) {
        return false;
    }
    extended_ = first_line == extended_layout;
    if (!read_text(fields_.instructor) || !skip_line() || !skip_line() || !read_students() ||
        !skip_line() || !read_assignments() || !skip_line() || !read_flag(fields_.use_plus) ||
        !read_flag(fields_.use_minus)) {
        return false;
    }
    for (std::size_t k = 0; k < stored_scale_entries; ++k) {
        if (!read_number(fields_.grade_scale[k])) {
            return false;
        }
    }
    return true;
}

bool ClassReader::next_line(std::string_view& line) {
    ++line_number_;
    if (rest_.empty()) {
        return fail("the file ends too early");
    }
    // Most lines are a few bytes long, too short for a library search to pay off.
    std::size_t end = 0;
    while (end < rest_.size() && rest_[end] != '\n') {
        ++end;
    }
    line = rest_.substr(0, end);
    rest_.remove_prefix(end < rest_.size() ? end + 1 : end);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return true;
}

bool ClassReader::skip_line() {
    std::string_view ignored;
    return next_line(ignored);
}

bool ClassReader::read_text(std::string& field) {
    std::string_view line;
    if (!next_line(line)) {
        return false;
    }
    field.assign(line);
    return true;
}

bool ClassReader::read_number(std::int16_t& field) {
    std::string_view line;
    std::int16_t value = 0;
    if (!next_line(line) || !number_from(line, value)) {
        return false;
    }
    field = value;
    return true;
}

bool ClassReader::read_flag(bool& field) {
    std::string_view line;
    if (!next_line(line)) {
        return false;
    }
    const std::string_view word = trim_blanks(line);
    bool value = false;
    if (equals_ignoring_case(word, "True")) {
        value = true;
    } else if (equals_ignoring_case(word, "False")) {
        value = false;
    } else if (const auto number = parse_number(word)) {
        value = *number != 0;
    } else {
        return fail("expected True or False");
    }
    field = value;
    return true;
}

bool ClassReader::number_from(std::string_view line, std::int16_t& value) {
    auto number = plain_number(line);
    if (!number) {
        number = round_to_int16(leading_number(line));
    }
    if (!number) {
        return fail("the number is outside -32768 to 32767");
    }
    value = *number;
    return true;
}

template <typename ReadRecord>
bool ClassReader::read_list(std::string_view end_line, std::int16_t last_slot,
                            std::string_view kind, ReadRecord read_record) {
    for (;;) {
        std::string_view line;
        std::int16_t slot = 0;
        if (!next_line(line)) {
            return false;
        }
        if (line == end_line) {
            return true;
        }
        if (!number_from(line, slot)) {
            return false;
        }
        if (slot < 0 || slot > last_slot) {
            return fail(std::string{kind} + " number " + std::to_string(slot) + " is out of range");
        }
        if (!read_record(slot)) {
            return false;
        }
    }
}

bool ClassReader::read_students() {
    return read_list(end_of_students, student_slots, "student", [this](std::int16_t s) {
        if (undo_ != nullptr) {
            undo_->keep_student(s);
        }
        student_rec& student = fields_.students[s];
        if (!read_text(student.first_name) || !read_text(student.last_name) ||
            !read_text(student.id_number)) {
            return false;
        }
        if (extended_ && (!read_text(student.telephone) || !read_text(student.address) ||
                          !read_text(student.notes))) {
            return false;
        }
        return skip_line() && read_scores(student);
    });
}

bool ClassReader::read_scores(student_rec& student) {
    return read_list(end_of_scores, assignment_slots, "assignment",
                     [this, &student](std::int16_t a) { return read_number(student.scores[a]); });
}

bool ClassReader::read_assignments() {
    return read_list(end_of_assignments, assignment_slots, "assignment", [this](std::int16_t a) {
        if (undo_ != nullptr) {
            undo_->keep_assignment(a);
        }
        return read_text(fields_.asg_title[a]) && (!extended_ || read_text(fields_.asg_notes[a])) &&
               read_number(fields_.asg_points[a]);
    });
}

bool ClassReader::fail(const std::string& reason) {
    error_ = "line " + std::to_string(line_number_) + ": " + reason;
    return false;
}

Result read_failure(const std::string& file_name, const std::string& reason) {
    return Result::failure("Could not read \"" + name_in_message(file_name) + "\": " + reason +
                           ".");
}

Result parse_class(std::string_view bytes, const std::string& file_name) {
    ClassUndo undo;
    ClassReader reader{
        bytes,
        {students, asg_title, asg_points, asg_notes, grade_scale, use_plus, use_minus, instructor},
        &undo};
    if (!reader.read()) {
        undo.undo();
        return read_failure(file_name, reader.error());
    }
    return Result::success();
}

} // namespace

Result save_class(const std::filesystem::path& path) {
    return write_file_atomically(path, class_bytes());
}

std::string class_file_text() {
    return class_bytes();
}

void write_class(std::ostream& out) {
    const std::string bytes = class_bytes();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Result load_class() {
    std::string bytes;
    if (const int error = read_whole_file(in_program_folder(class_file), bytes); error != 0) {
        return read_failure(class_file, system_reason(error));
    }
    Result result = parse_class(bytes, class_file);
    if (result) {
        class_file_base = std::move(bytes);
    }
    return result;
}

Result read_class(std::istream& in, const std::string& file_name) {
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return parse_class(bytes.view(), file_name);
}

ClassContent::ClassContent()
    : asg_points{}
    , grade_scale{} {
    asg_points.fill(default_asg_points);
    std::copy(default_grade_scale.begin(), default_grade_scale.end(), grade_scale.begin());
}

Result read_class_content(std::string_view bytes, ClassContent& content) {
    ClassReader reader{bytes,
                       {content.students, content.asg_title, content.asg_points, content.asg_notes,
                        content.grade_scale, content.use_plus, content.use_minus,
                        content.instructor},
                       nullptr};
    return reader.read() ? Result::success() : Result::failure(reader.error());
}

} // namespace quillmark
