#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/class_merge.h"
#include "support/class_fixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace quillmark {
namespace {

using ClassMergeTest = testing::ClassFixture;
using Edits = std::vector<std::function<void()>>;

std::string written() {
    std::ostringstream out;
    write_class(out);
    return out.str();
}

std::function<void()> score(int s, int a, std::int16_t value) {
    return [=] { students[s].scores[a] = value; };
}

std::function<void()> student(int s, std::string id, std::string last, std::string first) {
    return [=] {
        students[s].id_number = id;
        students[s].last_name = last;
        students[s].first_name = first;
    };
}

std::function<void()> removed(int s) {
    return student(s, "", "", "");
}

std::function<void()> text(int s, std::string student_rec::*field, std::string value) {
    return [=] { students[s].*field = value; };
}

std::function<void()> assignment(int a, std::string title, std::int16_t points) {
    return [=] {
        asg_title[a] = title;
        asg_points[a] = points;
    };
}

std::function<void()> swapped(int s, int t) {
    return [=] { std::swap(students[s], students[t]); };
}

const std::function<void()> full_class = [] {
    for (int s = 3; s < 299; ++s) {
        student(s, std::to_string(1000 + s), "Last", "First")();
    }
};

// Three students (Lee, Kim, Diaz in slots 0 to 2) with scores 1 to 9 on Quiz 1, Quiz 2 and Test.
void standard_class() {
    clear_class();
    instructor = "T. Sample";
    for (const auto& edit : {assignment(0, "Quiz 1", 10), assignment(1, "Quiz 2", 20),
                             assignment(2, "Test", 50), student(0, "101", "Lee", "Ann"),
                             student(1, "102", "Kim", "Bo"), student(2, "103", "Diaz", "Cy")}) {
        edit();
    }
    for (int s = 0; s < 3; ++s) {
        for (int a = 0; a < 3; ++a) {
            students[s].scores[a] = static_cast<std::int16_t>(s * 3 + a + 1);
        }
    }
}

// Each copy is the standard class with `base` applied, then its own edits; the expected merge
// is the base with `merged` applied, or with `theirs_taken` when every conflict is answered
// with theirs. Conflicts read "where | mine | theirs".
struct Case {
    const char* name;
    Edits ours;
    Edits theirs;
    Edits merged;
    std::vector<std::string> conflicts = {};
    Edits theirs_taken = {};
    Edits base = {};
    std::vector<bool> take_theirs = {};
};

const std::vector<Case> cases = {
    {"disjoint scores", {score(0, 0, 7)}, {score(1, 1, 15)}, {score(0, 0, 7), score(1, 1, 15)}},
    {"one cell alike", {score(0, 0, 7)}, {score(0, 0, 7)}, {score(0, 0, 7)}},
    {"one cell differently",
     {score(0, 0, 7)},
     {score(0, 0, excused)},
     {score(0, 0, 7)},
     {"Lee, Ann: Quiz 1 | 7 | E"},
     {score(0, 0, excused)}},
    {"choices by index, keeping mine past the end",
     {score(0, 0, 7), score(0, 1, 8), score(1, 0, 9)},
     {score(0, 0, 17), score(0, 1, 18), score(1, 0, 19)},
     {score(0, 0, 7), score(0, 1, 18), score(1, 0, 9)},
     {"Lee, Ann: Quiz 1 | 7 | 17", "Lee, Ann: Quiz 2 | 8 | 18", "Kim, Bo: Quiz 1 | 9 | 19"},
     {},
     {},
     {false, true}},
    {"sorted in mine", {swapped(0, 2)}, {score(0, 1, 15)}, {swapped(0, 2), score(2, 1, 15)}},
    {"sorted in theirs", {score(0, 1, 15)}, {swapped(0, 2)}, {swapped(0, 2), score(2, 1, 15)}},
    {"both sorted: mine stands",
     {swapped(0, 2)},
     {swapped(0, 1), score(1, 0, 8)},
     {swapped(0, 2), score(2, 0, 8)}},
    {"a new ID, the same student",
     {text(1, &student_rec::id_number, "202")},
     {score(1, 0, 9)},
     {text(1, &student_rec::id_number, "202"), score(1, 0, 9)}},
    {"a doubled ID matches by slot",
     {removed(0)},
     {score(1, 0, 9)},
     {removed(0), score(1, 0, 9)},
     {},
     {},
     {text(1, &student_rec::id_number, "101")}},
    {"texts, stored line feeds and assignment fields",
     {text(0, &student_rec::telephone, "555-1"), text(1, &student_rec::notes, "a\nb"),
      [] { asg_points[0] = 12; }},
     {text(0, &student_rec::telephone, "555-2"), text(1, &student_rec::notes, "c"),
      [] { asg_points[0] = 15; }, [] { asg_notes[1] = "open book"; }},
     {text(0, &student_rec::telephone, "555-1"), text(1, &student_rec::notes, "c"),
      [] { asg_points[0] = 12; }, [] { asg_notes[1] = "open book"; }},
     {"Quiz 1: Points | 12 | 15", "Lee, Ann: Telephone | 555-1 | 555-2"},
     {},
     {text(1, &student_rec::notes, "a b")}},
    {"settings",
     {[] { instructor = "Mr. Park"; }, [] { grade_scale[1] = 92; }, [] { use_minus = true; }},
     {[] { instructor = "Ms. Lee"; }, [] { grade_scale[1] = 88; }, [] { grade_scale[4] = 78; },
      [] { use_plus = false; }, [] { use_minus = true; }},
     {[] { instructor = "Mr. Park"; }, [] { grade_scale[1] = 92; }, [] { grade_scale[4] = 78; },
      [] { use_plus = false; }, [] { use_minus = true; }},
     {"Instructor | Mr. Park | Ms. Lee", "Grading Scale: A | 92 | 88"},
     {},
     {[] { use_plus = true; }}},
    {"students added to one slot: theirs moves to the first free one with its scores",
     {student(5, "201", "Ng", "Al"), score(5, 0, 4)},
     {student(5, "202", "Ray", "Di"), score(5, 1, 6)},
     {student(5, "201", "Ng", "Al"), score(5, 0, 4), student(3, "202", "Ray", "Di"),
      score(3, 1, 6)}},
    {"assignments added to one slot: theirs moves with every student's score",
     {assignment(5, "Lab", 30), score(0, 5, 25)},
     {assignment(5, "Essay", 40), score(1, 5, 35)},
     {assignment(5, "Lab", 30), score(0, 5, 25), assignment(3, "Essay", 40), score(1, 3, 35)}},
    {"full class",
     {student(299, "201", "Ng", "Al")},
     {student(299, "202", "Ray", "Di")},
     {student(299, "201", "Ng", "Al")},
     {"Students (Class Full) | Ng, Al | Ray, Di"},
     {student(299, "202", "Ray", "Di")},
     {full_class}},
    {"removed in mine, changed in theirs",
     {removed(1)},
     {score(1, 2, 40)},
     {removed(1)},
     {"Kim, Bo | (removed) | (changed)"},
     {score(1, 2, 40)}},
    {"removed in theirs, changed in mine: kept",
     {text(1, &student_rec::telephone, "555")},
     {removed(1)},
     {text(1, &student_rec::telephone, "555")},
     {"Kim, Bo | (changed) | (removed)"}},
    {"assignment removed in theirs, scored in mine",
     {score(0, 2, 45)},
     {[] { asg_title[2].clear(); }},
     {score(0, 2, 45)},
     {"Test | (changed) | (removed)"}},
    {"removed against no edit",
     {[] { asg_title[1].clear(); }},
     {removed(1), score(0, 0, 9)},
     {[] { asg_title[1].clear(); }, removed(1), score(0, 0, 9)}},
};

std::string version(const Case& c, const Edits& edits) {
    standard_class();
    for (const Edits& list : {c.base, edits}) {
        for (const auto& edit : list) {
            edit();
        }
    }
    return written();
}

TEST_F(ClassMergeTest, EachFieldMergesOnItsOwnAndConflictsAreListed) {
    for (const Case& c : cases) {
        for (const bool all_theirs : {false, true}) {
            if (all_theirs && c.theirs_taken.empty()) {
                continue;
            }
            SCOPED_TRACE(std::string{c.name} + (all_theirs ? ", theirs taken" : ""));
            const std::string base = version(c, {});
            const std::string theirs = version(c, c.theirs);
            const std::string expected = version(c, all_theirs ? c.theirs_taken : c.merged);
            version(c, c.ours);
            std::vector<MergeConflict> conflicts{{"stale", "", ""}};
            const std::vector<bool> choices =
                all_theirs ? std::vector<bool>(c.conflicts.size(), true) : c.take_theirs;
            ASSERT_TRUE(merge_class_choosing(base, theirs, conflicts, choices));
            EXPECT_EQ(expected, written());
            std::vector<std::string> shown;
            for (const MergeConflict& m : conflicts) {
                shown.push_back(m.where + " | " + m.mine + " | " + m.theirs);
            }
            EXPECT_EQ(c.conflicts, shown);
        }
    }
}

TEST_F(ClassMergeTest, AnUnreadableCopyChangesNothing) {
    standard_class();
    const std::string good = written();
    std::string bad = good;
    bad.replace(bad.find(" 1 \r\nBo\r\n"), 3, " 301 ");
    const std::string failed = "Could not merge the other copy's changes: ";
    const std::pair<std::string, std::string> copies[] = {
        {good, bad}, {bad, good}, {"", good.substr(0, 40)}};
    const std::string messages[] = {
        "the class file on disk is unreadable (line 20: student number 301 is out of range).",
        "the version of the class this copy last read or saved is unreadable (line 20: student "
        "number 301 is out of range).",
        "the class file on disk is unreadable (line 6: the file ends too early)."};
    for (std::size_t k = 0; k < std::size(copies); ++k) {
        standard_class();
        students[0].scores[0] = 7;
        const std::string before = written();
        std::vector<MergeConflict> conflicts;
        EXPECT_EQ(failed + messages[k],
                  merge_class(copies[k].first, copies[k].second, conflicts).message());
        EXPECT_EQ(before, written());
    }
}

} // namespace
} // namespace quillmark
