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

std::string written() {
    std::ostringstream out;
    write_class(out);
    return out.str();
}

void add_student(std::int16_t s, const char* id, const char* last, const char* first) {
    students[s].id_number = id;
    students[s].last_name = last;
    students[s].first_name = first;
}

void remove_student(std::int16_t s) {
    add_student(s, "", "", "");
}

void add_assignment(std::int16_t a, const char* title, std::int16_t points) {
    asg_title[a] = title;
    asg_points[a] = points;
}

// Three students (Lee, Kim, Diaz in slots 0 to 2) with scores 1 to 9 on Quiz 1, Quiz 2 and Test.
void standard_class() {
    clear_class();
    instructor = "T. Sample";
    add_assignment(0, "Quiz 1", 10);
    add_assignment(1, "Quiz 2", 20);
    add_assignment(2, "Test", 50);
    add_student(0, "101", "Lee", "Ann");
    add_student(1, "102", "Kim", "Bo");
    add_student(2, "103", "Diaz", "Cy");
    for (std::int16_t s = 0; s < 3; ++s) {
        for (std::int16_t a = 0; a < 3; ++a) {
            students[s].scores[a] = static_cast<std::int16_t>(s * 3 + a + 1);
        }
    }
}

// Each copy is the standard class with `base` applied, then its own change; the expected merge
// is the base with `merged` applied. Conflicts read "where | mine | theirs".
struct Case {
    const char* name;
    std::function<void()> ours;
    std::function<void()> theirs;
    std::function<void()> merged;
    std::vector<std::string> conflicts = {};
    std::vector<bool> take_theirs = {};
    std::function<void()> base = [] {};
};

const std::vector<Case> cases = {
    {"disjoint scores", [] { students[0].scores[0] = 7; }, [] { students[1].scores[1] = 15; },
     [] {
         students[0].scores[0] = 7;
         students[1].scores[1] = 15;
     }},
    {"one cell alike", [] { students[0].scores[0] = 7; }, [] { students[0].scores[0] = 7; },
     [] { students[0].scores[0] = 7; }},
    {"one cell differently",
     [] { students[0].scores[0] = 7; },
     [] { students[0].scores[0] = excused; },
     [] { students[0].scores[0] = 7; },
     {"Lee, Ann: Quiz 1 | 7 | E"}},
    {"one cell, theirs taken",
     [] { students[0].scores[0] = 7; },
     [] { students[0].scores[0] = excused; },
     [] { students[0].scores[0] = excused; },
     {"Lee, Ann: Quiz 1 | 7 | E"},
     {true}},
    {"choices by index, keeping mine past the end",
     [] {
         students[0].scores[0] = 7;
         students[0].scores[1] = 8;
         students[1].scores[0] = 9;
     },
     [] {
         students[0].scores[0] = 17;
         students[0].scores[1] = 18;
         students[1].scores[0] = 19;
     },
     [] {
         students[0].scores[0] = 7;
         students[0].scores[1] = 18;
         students[1].scores[0] = 9;
     },
     {"Lee, Ann: Quiz 1 | 7 | 17", "Lee, Ann: Quiz 2 | 8 | 18", "Kim, Bo: Quiz 1 | 9 | 19"},
     {false, true}},
    {"sort in mine, score in theirs", [] { std::swap(students[0], students[2]); },
     [] { students[0].scores[1] = 15; },
     [] {
         std::swap(students[0], students[2]);
         students[2].scores[1] = 15;
     }},
    {"sort in theirs, score in mine", [] { students[0].scores[1] = 15; },
     [] { std::swap(students[0], students[2]); },
     [] {
         std::swap(students[0], students[2]);
         students[2].scores[1] = 15;
     }},
    {"both sorted: mine stands, their score follows the student",
     [] { std::swap(students[0], students[2]); },
     [] {
         std::swap(students[0], students[1]);
         students[1].scores[0] = 8;
     },
     [] {
         std::swap(students[0], students[2]);
         students[2].scores[0] = 8;
     }},
    {"an ID changed in one copy is still the same student", [] { students[1].id_number = "202"; },
     [] { students[1].scores[0] = 9; },
     [] {
         students[1].id_number = "202";
         students[1].scores[0] = 9;
     }},
    {"a doubled ID matches by slot",
     [] { remove_student(0); },
     [] { students[1].scores[0] = 9; },
     [] {
         remove_student(0);
         students[1].scores[0] = 9;
     },
     {},
     {},
     [] { students[1].id_number = "101"; }},
    {"texts, stored line feeds and assignment fields",
     [] {
         students[0].telephone = "555-1";
         students[1].notes = "a\nb";
         asg_points[0] = 12;
     },
     [] {
         students[0].telephone = "555-2";
         students[1].notes = "c";
         asg_points[0] = 15;
         asg_notes[1] = "open book";
     },
     [] {
         students[0].telephone = "555-1";
         students[1].notes = "c";
         asg_points[0] = 12;
         asg_notes[1] = "open book";
     },
     {"Quiz 1: Points | 12 | 15", "Lee, Ann: Telephone | 555-1 | 555-2"},
     {},
     [] { students[1].notes = "a b"; }},
    {"settings",
     [] {
         instructor = "Mr. Park";
         grade_scale[1] = 92;
         use_minus = true;
     },
     [] {
         instructor = "Ms. Lee";
         grade_scale[1] = 88;
         grade_scale[4] = 78;
         use_plus = false;
         use_minus = true;
     },
     [] {
         instructor = "Mr. Park";
         grade_scale[1] = 92;
         grade_scale[4] = 78;
         use_plus = false;
         use_minus = true;
     },
     {"Instructor | Mr. Park | Ms. Lee", "Grading Scale: A | 92 | 88"},
     {},
     [] { use_plus = true; }},
    {"students added to one slot: theirs moves to the first free one with its scores",
     [] {
         add_student(5, "201", "Ng", "Al");
         students[5].scores[0] = 4;
     },
     [] {
         add_student(5, "202", "Ray", "Di");
         students[5].scores[1] = 6;
     },
     [] {
         add_student(5, "201", "Ng", "Al");
         students[5].scores[0] = 4;
         add_student(3, "202", "Ray", "Di");
         students[3].scores[1] = 6;
     }},
    {"assignments added to one slot: theirs moves with every student's score",
     [] {
         add_assignment(5, "Lab", 30);
         students[0].scores[5] = 25;
     },
     [] {
         add_assignment(5, "Essay", 40);
         students[1].scores[5] = 35;
     },
     [] {
         add_assignment(5, "Lab", 30);
         students[0].scores[5] = 25;
         add_assignment(3, "Essay", 40);
         students[1].scores[3] = 35;
     }},
    {"full class: mine kept",
     [] { add_student(299, "201", "Ng", "Al"); },
     [] { add_student(299, "202", "Ray", "Di"); },
     [] { add_student(299, "201", "Ng", "Al"); },
     {"Students (Class Full) | Ng, Al | Ray, Di"},
     {},
     [] {
         for (std::int16_t s = 3; s < 299; ++s) {
             add_student(s, std::to_string(1000 + s).c_str(), "Last", "First");
         }
     }},
    {"full class: theirs taken",
     [] { add_student(299, "201", "Ng", "Al"); },
     [] { add_student(299, "202", "Ray", "Di"); },
     [] { add_student(299, "202", "Ray", "Di"); },
     {"Students (Class Full) | Ng, Al | Ray, Di"},
     {true},
     [] {
         for (std::int16_t s = 3; s < 299; ++s) {
             add_student(s, std::to_string(1000 + s).c_str(), "Last", "First");
         }
     }},
    {"removed in mine, changed in theirs: removed",
     [] { remove_student(1); },
     [] { students[1].scores[2] = 40; },
     [] { remove_student(1); },
     {"Kim, Bo | (removed) | (changed)"}},
    {"removed in mine, changed in theirs: theirs taken",
     [] { remove_student(1); },
     [] { students[1].scores[2] = 40; },
     [] { students[1].scores[2] = 40; },
     {"Kim, Bo | (removed) | (changed)"},
     {true}},
    {"removed in theirs, changed in mine: kept",
     [] { students[1].telephone = "555"; },
     [] { remove_student(1); },
     [] { students[1].telephone = "555"; },
     {"Kim, Bo | (changed) | (removed)"}},
    {"assignment removed in theirs, scored in mine",
     [] { students[0].scores[2] = 45; },
     [] { asg_title[2].clear(); },
     [] { students[0].scores[2] = 45; },
     {"Test | (changed) | (removed)"}},
    {"removed against no edit", [] { asg_title[1].clear(); },
     [] {
         remove_student(1);
         students[0].scores[0] = 9;
     },
     [] {
         asg_title[1].clear();
         remove_student(1);
         students[0].scores[0] = 9;
     }},
};

std::vector<std::string> shown(const std::vector<MergeConflict>& conflicts) {
    std::vector<std::string> rows;
    for (const MergeConflict& c : conflicts) {
        rows.push_back(c.where + " | " + c.mine + " | " + c.theirs);
    }
    return rows;
}

std::string version(const Case& c, const std::function<void()>& change) {
    standard_class();
    c.base();
    change();
    return written();
}

TEST_F(ClassMergeTest, EachFieldMergesOnItsOwnAndConflictsAreListed) {
    for (const Case& c : cases) {
        const std::string base = version(c, [] {});
        const std::string theirs = version(c, c.theirs);
        const std::string expected = version(c, c.merged);
        version(c, c.ours);
        std::vector<MergeConflict> conflicts{{"stale", "", ""}};
        ASSERT_TRUE(merge_class_choosing(base, theirs, conflicts, c.take_theirs)) << c.name;
        EXPECT_EQ(expected, written()) << c.name;
        EXPECT_EQ(c.conflicts, shown(conflicts)) << c.name;
    }
}

TEST_F(ClassMergeTest, AnUnreadableCopyChangesNothing) {
    standard_class();
    const std::string good = written();
    std::string bad = good;
    bad.replace(bad.find(" 1 \r\nBo\r\n"), 3, " 301 ");
    const std::pair<std::string, std::string> copies[] = {
        {good, bad}, {bad, good}, {"", good.substr(0, 40)}};
    const char* messages[] = {
        "Could not merge the other copy's changes: the class file on disk is unreadable (line "
        "20: student number 301 is out of range).",
        "Could not merge the other copy's changes: the version of the class this copy last read "
        "or saved is unreadable (line 20: student number 301 is out of range).",
        "Could not merge the other copy's changes: the class file on disk is unreadable (line "
        "6: the file ends too early)."};
    for (std::size_t k = 0; k < std::size(copies); ++k) {
        standard_class();
        students[0].scores[0] = 7;
        const std::string before = written();
        std::vector<MergeConflict> conflicts;
        const Result result = merge_class(copies[k].first, copies[k].second, conflicts);
        EXPECT_EQ(messages[k], result.message());
        EXPECT_EQ(before, written());
    }
}

} // namespace
} // namespace quillmark
