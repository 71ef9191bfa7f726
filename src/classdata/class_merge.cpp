#include "classdata/class_merge.h"

#include "classdata/class_data.h"
#include "classdata/class_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace quillmark {
namespace {

constexpr std::int16_t none = -1;

constexpr std::array<std::string student_rec::*, 6> student_texts{
    &student_rec::first_name, &student_rec::last_name, &student_rec::id_number,
    &student_rec::telephone,  &student_rec::address,   &student_rec::notes};
// The student editor's captions, in the order of student_texts.
constexpr std::array<const char*, 6> student_captions{"First Name", "Last Name", "ID Number",
                                                      "Telephone",  "Address",   "Notes"};
// The grading scale dialog's rows, one per stored entry.
constexpr std::array<const char*, 12> band_names{"A+", "A", "A-", "B+", "B", "B-",
                                                 "C+", "C", "C-", "D+", "D", "D-"};

// One version of the class: the open class or one read from a file.
struct Version {
    const decltype(quillmark::students)& students;
    const decltype(quillmark::asg_title)& asg_title;
    const decltype(quillmark::asg_points)& asg_points;
    const decltype(quillmark::asg_notes)& asg_notes;
    const decltype(quillmark::grade_scale)& grade_scale;
    const bool& use_plus;
    const bool& use_minus;
    const std::string& instructor;

    bool student_used(std::int16_t s) const { return !students[s].id_number.empty(); }
    bool assignment_used(std::int16_t a) const { return !asg_title[a].empty(); }
};

Version version_of(const ClassContent& content) {
    return {content.students,    content.asg_title, content.asg_points, content.asg_notes,
            content.grade_scale, content.use_plus,  content.use_minus,  content.instructor};
}

// A line feed inside a text is saved as a blank, so the two are the same value.
bool same_text(std::string_view a, std::string_view b) {
    const auto stored = [](char c) { return c == '\n' ? ' ' : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return stored(x) == stored(y); });
}

std::string score_text(std::int16_t score) {
    return score == excused ? "E" : std::to_string(score);
}

// One student or assignment: its slot in each version, none where the version lacks it.
struct Record {
    std::int16_t base = none;
    std::int16_t ours = none;
    std::int16_t theirs = none;
};

// The records of one kind and where each ends in the merged class.
struct Records {
    explicit Records(const char* caption)
        : full_class_caption{caption} {}

    // The conflict's place when the full class has no room for a record.
    const char* full_class_caption;
    std::vector<Record> list;
    // Removed in one copy and changed in the other: its staying is the teacher's choice.
    std::vector<bool> disputed;
    // Whether the record may be in the merged class, and then in the end whether it is.
    std::vector<bool> stays;
    // The merged slot, or none for a record the full class has no room for.
    std::vector<std::int16_t> slot;
    // For a record without room: the record that holds the slot it would have taken.
    std::vector<std::size_t> rival;
    // The record in each merged slot, or none.
    std::vector<std::ptrdiff_t> holder;

    void add(Record record) {
        list.push_back(record);
        disputed.push_back(false);
        stays.push_back(true);
        slot.push_back(none);
        rival.push_back(0);
    }

    // Places every record that may stay: the leading copy's at its slot there, the others at
    // their slot in the other copy when free, else at the first free slot.
    void place(std::int16_t slots, std::int16_t Record::*lead, std::int16_t Record::*follow) {
        holder.assign(static_cast<std::size_t>(slots), none);
        std::vector<std::size_t> moved;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (stays[i] && list[i].*lead != none) {
                put(i, list[i].*lead);
            }
        }
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (stays[i] && list[i].*lead == none) {
                if (holder[static_cast<std::size_t>(list[i].*follow)] == none) {
                    put(i, list[i].*follow);
                } else {
                    moved.push_back(i);
                }
            }
        }
        std::sort(moved.begin(), moved.end(),
                  [&](std::size_t x, std::size_t y) { return list[x].*follow < list[y].*follow; });
        std::int16_t free = 0;
        for (const std::size_t i : moved) {
            while (free < slots && holder[static_cast<std::size_t>(free)] != none) {
                ++free;
            }
            if (free < slots) {
                put(i, free);
            } else {
                rival[i] =
                    static_cast<std::size_t>(holder[static_cast<std::size_t>(list[i].*follow)]);
            }
        }
    }

    // Where the full class left a record out, the teacher's choice may put it in its rival's
    // slot; a rival that left anyway gives the slot up too.
    void settle_full_class(std::size_t i, bool record_wins) {
        const std::size_t other = rival[i];
        stays[i] = record_wins || !stays[other];
        if (stays[i]) {
            slot[i] = slot[other];
            stays[other] = false;
            holder[static_cast<std::size_t>(slot[i])] = static_cast<std::ptrdiff_t>(i);
        }
    }

private:
    void put(std::size_t i, std::int16_t s) {
        slot[i] = s;
        holder[static_cast<std::size_t>(s)] = static_cast<std::ptrdiff_t>(i);
    }
};

class Merger {
public:
    Merger(const ClassContent& base, const ClassContent& theirs,
           std::vector<MergeConflict>& conflicts, const std::vector<bool>& take_theirs)
        : base_{version_of(base)}
        , ours_{quillmark::students, asg_title, asg_points, asg_notes,
                grade_scale,         use_plus,  use_minus,  instructor}
        , theirs_{version_of(theirs)}
        , conflicts_{conflicts}
        , take_theirs_{take_theirs} {}

    // Merges into the open class, listing the conflicts in a fixed order.
    void merge();

private:
    void match_students();
    void match_assignments();
    void find_removals();
    void merge_settings();
    template <typename MergeRecord, typename Shown>
    void merge_records(Records& records, bool theirs_lead, MergeRecord merge_record, Shown shown);
    void merge_assignment(std::size_t k);
    void merge_student(std::size_t k);
    void write_merged();

    // A record's place in one version.
    struct Source {
        const Version* copy;
        std::int16_t slot;
    };
    struct Sources {
        Source base, ours, theirs;
    };
    // Where a record's fields are merged from: a side the record lacks stands for the base; a
    // record only one copy has is that copy's throughout; one both copies added has an empty base.
    Sources sources(const Record& r) const;
    bool student_changed(const Record& s, const Version& copy, std::int16_t Record::*side) const;
    bool assignment_changed(const Record& a, const Version& copy, std::int16_t Record::*side) const;
    std::int16_t cell(const Version& copy, std::int16_t Record::*side, const Record& s,
                      const Record& a) const;
    std::string name(const Record& s) const;
    std::string title(const Record& a) const;

    // Lists a conflict; true when the teacher takes the other copy's value.
    bool conflict(std::string where, std::string mine, std::string theirs);
    // True when a field takes the other copy's value; a conflict is described only when needed.
    template <typename Describe>
    bool takes_theirs(bool ours_changed, bool theirs_changed, bool alike, Describe describe);
    template <typename Describe>
    const std::string& merged_text(const std::string& base, const std::string& ours,
                                   const std::string& theirs, Describe describe);
    template <typename T, typename Describe>
    T merged_value(T base, T ours, T theirs, Describe describe);

    Version base_;
    Version ours_;
    Version theirs_;
    std::vector<MergeConflict>& conflicts_;
    const std::vector<bool>& take_theirs_;
    Records students_{"Students (Class Full)"};
    Records assignments_{"Assignments (Class Full)"};
    std::unique_ptr<ClassContent> merged_ = std::make_unique<ClassContent>();
};

bool Merger::conflict(std::string where, std::string mine, std::string theirs) {
    const std::size_t index = conflicts_.size();
    conflicts_.push_back({std::move(where), std::move(mine), std::move(theirs)});
    return index < take_theirs_.size() && take_theirs_[index];
}

template <typename Describe>
bool Merger::takes_theirs(bool ours_changed, bool theirs_changed, bool alike, Describe describe) {
    if (!theirs_changed || alike) {
        return false;
    }
    if (!ours_changed) {
        return true;
    }
    auto [where, mine, theirs] = describe();
    return conflict(std::move(where), std::move(mine), std::move(theirs));
}

template <typename Describe>
const std::string& Merger::merged_text(const std::string& base, const std::string& ours,
                                       const std::string& theirs, Describe describe) {
    return takes_theirs(!same_text(ours, base), !same_text(theirs, base), same_text(ours, theirs),
                        [&] {
                            return MergeConflict{describe(), ours, theirs};
                        })
               ? theirs
               : ours;
}

template <typename T, typename Describe>
T Merger::merged_value(T base, T ours, T theirs, Describe describe) {
    return takes_theirs(ours != base, theirs != base, ours == theirs, describe) ? theirs : ours;
}

void Merger::merge() {
    match_students();
    match_assignments();
    find_removals();
    const auto moved = [this](std::int16_t Record::*side) {
        return std::any_of(students_.list.begin(), students_.list.end(), [&](const Record& s) {
            return s.base != none && s.*side != none && s.*side != s.base;
        });
    };
    const bool theirs_lead = moved(&Record::theirs) && !moved(&Record::ours);
    students_.place(student_slots, theirs_lead ? &Record::theirs : &Record::ours,
                    theirs_lead ? &Record::ours : &Record::theirs);
    assignments_.place(assignment_slots, &Record::ours, &Record::theirs);

    merge_settings();
    merge_records(
        assignments_, false, [this](std::size_t k) { merge_assignment(k); },
        [this](const Record& a) { return title(a); });
    merge_records(
        students_, theirs_lead, [this](std::size_t k) { merge_student(k); },
        [this](const Record& s) { return name(s); });
    write_merged();
}

// A student is the same record in two versions by an ID number held by one student at most in
// every version, otherwise by slot.
void Merger::match_students() {
    const std::array<const Version*, 3> versions{&base_, &ours_, &theirs_};
    std::unordered_map<std::string_view, bool> id_is_key;
    for (const Version* version : versions) {
        std::unordered_set<std::string_view> seen;
        for (std::int16_t s = 0; s < student_slots; ++s) {
            if (version->student_used(s)) {
                const std::string_view id = version->students[s].id_number;
                bool& is_key = id_is_key.try_emplace(id, true).first->second;
                is_key = seen.insert(id).second && is_key;
            }
        }
    }
    const auto slots_by_key = [&](const Version& version) {
        std::unordered_map<std::string_view, std::int16_t> slots;
        for (std::int16_t s = 0; s < student_slots; ++s) {
            if (version.student_used(s) && id_is_key[version.students[s].id_number]) {
                slots.emplace(version.students[s].id_number, s);
            }
        }
        return slots;
    };
    const auto ours_by_key = slots_by_key(ours_);
    const auto theirs_by_key = slots_by_key(theirs_);
    std::array<bool, student_slots> ours_taken{};
    std::array<bool, student_slots> theirs_taken{};
    const auto take = [](const auto& by_key, std::string_view id, auto& taken) {
        const auto found = by_key.find(id);
        if (found == by_key.end() || taken[static_cast<std::size_t>(found->second)]) {
            return none;
        }
        taken[static_cast<std::size_t>(found->second)] = true;
        return found->second;
    };

    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (base_.student_used(s)) {
            const std::string_view id = base_.students[s].id_number;
            students_.add(
                {s, take(ours_by_key, id, ours_taken), take(theirs_by_key, id, theirs_taken)});
        }
    }
    // What is left on both sides of one slot is the same student with a changed ID number.
    for (Record& record : students_.list) {
        const auto s = static_cast<std::size_t>(record.base);
        if (record.ours == none && ours_.student_used(record.base) && !ours_taken[s]) {
            record.ours = record.base;
            ours_taken[s] = true;
        }
        if (record.theirs == none && theirs_.student_used(record.base) && !theirs_taken[s]) {
            record.theirs = record.base;
            theirs_taken[s] = true;
        }
    }
    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (ours_.student_used(s) && !ours_taken[static_cast<std::size_t>(s)]) {
            students_.add(
                {none, s, take(theirs_by_key, ours_.students[s].id_number, theirs_taken)});
        }
    }
    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (theirs_.student_used(s) && !theirs_taken[static_cast<std::size_t>(s)]) {
            students_.add({none, none, s});
        }
    }
}

void Merger::match_assignments() {
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        const std::int16_t ours = ours_.assignment_used(a) ? a : none;
        const std::int16_t theirs = theirs_.assignment_used(a) ? a : none;
        if (base_.assignment_used(a)) {
            assignments_.add({a, ours, theirs});
        } else {
            // Added in both copies: two assignments.
            if (ours != none) {
                assignments_.add({none, ours, none});
            }
            if (theirs != none) {
                assignments_.add({none, none, theirs});
            }
        }
    }
}

void Merger::find_removals() {
    const auto check = [](Records& records, auto changed) {
        for (std::size_t i = 0; i < records.list.size(); ++i) {
            const Record& r = records.list[i];
            if (r.base == none || (r.ours != none && r.theirs != none)) {
                continue;
            }
            records.disputed[i] = (r.ours != none && changed(r, &Record::ours)) ||
                                  (r.theirs != none && changed(r, &Record::theirs));
            records.stays[i] = records.disputed[i];
        }
    };
    check(students_, [this](const Record& r, std::int16_t Record::*side) {
        return student_changed(r, side == &Record::ours ? ours_ : theirs_, side);
    });
    check(assignments_, [this](const Record& r, std::int16_t Record::*side) {
        return assignment_changed(r, side == &Record::ours ? ours_ : theirs_, side);
    });
}

std::int16_t Merger::cell(const Version& copy, std::int16_t Record::*side, const Record& s,
                          const Record& a) const {
    if (s.*side != none && a.*side != none) {
        return copy.students[s.*side].scores[a.*side];
    }
    if (side != &Record::base) {
        return cell(base_, &Record::base, s, a);
    }
    return 0;
}

bool Merger::student_changed(const Record& s, const Version& copy,
                             std::int16_t Record::*side) const {
    const student_rec& now = copy.students[s.*side];
    const student_rec& before = base_.students[s.base];
    for (const auto text : student_texts) {
        if (!same_text(now.*text, before.*text)) {
            return true;
        }
    }
    return std::any_of(assignments_.list.begin(), assignments_.list.end(), [&](const Record& a) {
        return a.*side != none && cell(copy, side, s, a) != cell(base_, &Record::base, s, a);
    });
}

bool Merger::assignment_changed(const Record& a, const Version& copy,
                                std::int16_t Record::*side) const {
    const std::int16_t now = a.*side;
    if (!same_text(copy.asg_title[now], base_.asg_title[a.base]) ||
        !same_text(copy.asg_notes[now], base_.asg_notes[a.base]) ||
        copy.asg_points[now] != base_.asg_points[a.base]) {
        return true;
    }
    return std::any_of(students_.list.begin(), students_.list.end(), [&](const Record& s) {
        return s.*side != none && cell(copy, side, s, a) != cell(base_, &Record::base, s, a);
    });
}

std::string Merger::name(const Record& s) const {
    const student_rec& student = s.ours != none     ? ours_.students[s.ours]
                                 : s.theirs != none ? theirs_.students[s.theirs]
                                                    : base_.students[s.base];
    return student.last_name + ", " + student.first_name;
}

std::string Merger::title(const Record& a) const {
    return a.ours != none     ? ours_.asg_title[a.ours]
           : a.theirs != none ? theirs_.asg_title[a.theirs]
                              : base_.asg_title[a.base];
}

void Merger::merge_settings() {
    merged_->instructor = merged_text(base_.instructor, ours_.instructor, theirs_.instructor,
                                      [] { return "Instructor"; });
    for (std::size_t k = 0; k < band_names.size(); ++k) {
        merged_->grade_scale[k] =
            merged_value(base_.grade_scale[k], ours_.grade_scale[k], theirs_.grade_scale[k], [&] {
                return MergeConflict{std::string{"Grading Scale: "} + band_names[k],
                                     std::to_string(ours_.grade_scale[k]),
                                     std::to_string(theirs_.grade_scale[k])};
            });
    }
    // A switch has two values, so the copies cannot change it differently.
    merged_->use_plus = theirs_.use_plus != base_.use_plus ? theirs_.use_plus : ours_.use_plus;
    merged_->use_minus = theirs_.use_minus != base_.use_minus ? theirs_.use_minus : ours_.use_minus;
}

Merger::Sources Merger::sources(const Record& r) const {
    static const ClassContent empty_class;
    static const Version blank = version_of(empty_class);
    Source ours{&ours_, r.ours};
    Source theirs{&theirs_, r.theirs};
    const Source base = r.base != none                       ? Source{&base_, r.base}
                        : r.ours != none && r.theirs != none ? Source{&blank, 0}
                        : r.ours != none                     ? ours
                                                             : theirs;
    if (r.ours == none) {
        ours = base;
    }
    if (r.theirs == none) {
        theirs = base;
    }
    return {base, ours, theirs};
}

void Merger::merge_assignment(std::size_t k) {
    const Record& r = assignments_.list[k];
    const auto a = static_cast<std::size_t>(assignments_.slot[k]);
    const auto [b, o, t] = sources(r);
    const auto where = [&](const char* field) { return title(r) + ": " + field; };
    merged_->asg_title[a] = merged_text(b.copy->asg_title[b.slot], o.copy->asg_title[o.slot],
                                        t.copy->asg_title[t.slot], [&] { return where("Title"); });
    merged_->asg_notes[a] = merged_text(b.copy->asg_notes[b.slot], o.copy->asg_notes[o.slot],
                                        t.copy->asg_notes[t.slot], [&] { return where("Notes"); });
    const std::int16_t ours_points = o.copy->asg_points[o.slot];
    const std::int16_t theirs_points = t.copy->asg_points[t.slot];
    merged_->asg_points[a] =
        merged_value(b.copy->asg_points[b.slot], ours_points, theirs_points, [&] {
            return MergeConflict{where("Points"), std::to_string(ours_points),
                                 std::to_string(theirs_points)};
        });
}

void Merger::merge_student(std::size_t k) {
    const Record& r = students_.list[k];
    const auto [b, o, t] = sources(r);
    const student_rec& base = b.copy->students[b.slot];
    const student_rec& ours = o.copy->students[o.slot];
    const student_rec& theirs = t.copy->students[t.slot];
    student_rec& merged = merged_->students[static_cast<std::size_t>(students_.slot[k])];
    // Score cells of assignment slots out of use travel with the record, as a sort moves them.
    merged = r.ours != none ? ours : theirs;
    const std::string shown = name(r);
    for (std::size_t f = 0; f < student_texts.size(); ++f) {
        const auto text = student_texts[f];
        merged.*text = merged_text(base.*text, ours.*text, theirs.*text,
                                   [&] { return shown + ": " + student_captions[f]; });
    }
    for (std::size_t a = 0; a < assignments_.holder.size(); ++a) {
        const std::ptrdiff_t j = assignments_.holder[a];
        if (j == none || !assignments_.stays[static_cast<std::size_t>(j)]) {
            continue;
        }
        const Record& asg = assignments_.list[static_cast<std::size_t>(j)];
        const std::int16_t ours_score = cell(ours_, &Record::ours, r, asg);
        const std::int16_t theirs_score = cell(theirs_, &Record::theirs, r, asg);
        merged.scores[a] =
            merged_value(cell(base_, &Record::base, r, asg), ours_score, theirs_score, [&] {
                return MergeConflict{shown + ": " + title(asg), score_text(ours_score),
                                     score_text(theirs_score)};
            });
    }
}

// Lists the removal conflicts and merges the fields of every record that may stay, in the order
// of the merged slots, then lists the records the full class has no room for.
template <typename MergeRecord, typename Shown>
void Merger::merge_records(Records& records, bool theirs_lead, MergeRecord merge_record,
                           Shown shown) {
    for (const std::ptrdiff_t i : records.holder) {
        if (i == none) {
            continue;
        }
        const auto k = static_cast<std::size_t>(i);
        if (records.disputed[k]) {
            const bool ours_kept = records.list[k].ours != none;
            const char* kept = "(changed)";
            const char* removed = "(removed)";
            records.stays[k] =
                ours_kept != conflict(shown(records.list[k]), ours_kept ? kept : removed,
                                      ours_kept ? removed : kept);
        }
        merge_record(k);
    }
    for (std::size_t k = 0; k < records.list.size(); ++k) {
        if (records.stays[k] && records.slot[k] == none) {
            const std::string left_out = shown(records.list[k]);
            const std::string holding = shown(records.list[records.rival[k]]);
            const bool theirs_taken =
                conflict(records.full_class_caption, theirs_lead ? left_out : holding,
                         theirs_lead ? holding : left_out);
            records.settle_full_class(k, theirs_taken != theirs_lead);
            if (records.stays[k]) {
                merge_record(k);
            }
        }
    }
}

void Merger::write_merged() {
    instructor = std::move(merged_->instructor);
    std::copy_n(merged_->grade_scale.begin(), band_names.size(), grade_scale.begin());
    use_plus = merged_->use_plus;
    use_minus = merged_->use_minus;
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        const std::ptrdiff_t k = assignments_.holder[static_cast<std::size_t>(a)];
        if (k != none && assignments_.stays[static_cast<std::size_t>(k)]) {
            asg_title[a] = std::move(merged_->asg_title[a]);
            asg_notes[a] = std::move(merged_->asg_notes[a]);
            asg_points[a] = merged_->asg_points[a];
        } else if (assignment_used(a)) {
            asg_title[a].clear();
            asg_notes[a].clear();
            asg_points[a] = default_asg_points;
        }
    }
    for (std::int16_t s = 0; s < student_slots; ++s) {
        const std::ptrdiff_t k = students_.holder[static_cast<std::size_t>(s)];
        if (k != none && students_.stays[static_cast<std::size_t>(k)]) {
            students[s] = std::move(merged_->students[s]);
        } else if (student_used(s)) {
            // A slot left empty keeps nothing of the student who was there.
            students[s] = student_rec{};
        }
    }
}

// An empty text is an empty class: a new class's file is empty.
Result read_copy(std::string_view bytes, ClassContent& content, std::string_view which) {
    if (bytes.empty()) {
        return Result::success();
    }
    const Result read = read_class_content(bytes, content);
    if (!read) {
        return Result::failure("Could not merge the other copy's changes: " + std::string{which} +
                               " is unreadable (" + read.message() + ").");
    }
    return read;
}

} // namespace

Result merge_class(std::string_view base, std::string_view theirs,
                   std::vector<MergeConflict>& conflicts) {
    return merge_class_choosing(base, theirs, conflicts, {});
}

Result merge_class_choosing(std::string_view base, std::string_view theirs,
                            std::vector<MergeConflict>& conflicts,
                            const std::vector<bool>& take_theirs) {
    conflicts.clear();
    const auto base_content = std::make_unique<ClassContent>();
    const auto theirs_content = std::make_unique<ClassContent>();
    if (Result read = read_copy(theirs, *theirs_content, "the class file on disk"); !read) {
        return read;
    }
    if (Result read =
            read_copy(base, *base_content, "the version of the class this copy last read or saved");
        !read) {
        return read;
    }
    Merger{*base_content, *theirs_content, conflicts, take_theirs}.merge();
    return Result::success();
}

} // namespace quillmark
