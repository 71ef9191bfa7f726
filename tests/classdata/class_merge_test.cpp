#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/class_merge.h"
#include "support/class_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
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

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::istringstream in{text};
    for (std::string part; std::getline(in, part, at);) {
        parts.push_back(part);
    }
    return parts;
}

std::int16_t number(const std::string& text) {
    return static_cast<std::int16_t>(text == "E" ? excused : std::stoi(text));
}

// The edits of a copy, each "KIND N.M=VALUE" (N, M and VALUE as the kind needs), ';' between.
using Edit = void (*)(int n, int m, const std::vector<std::string>& value);
const std::map<std::string, Edit> kinds = {
    {"s", [](int n, int m, const auto& v) { students[n].scores[m] = number(v[0]); }},
    {"student", // ID/last/first; no value removes the student
     [](int n, int, const auto& v) {
         students[n].id_number = v.size() > 0 ? v[0] : "";
         students[n].last_name = v.size() > 1 ? v[1] : "";
         students[n].first_name = v.size() > 2 ? v[2] : "";
     }},
    {"phone", [](int n, int, const auto& v) { students[n].telephone = v[0]; }},
    {"notes", [](int n, int, const auto& v) { students[n].notes = v[0]; }},
    {"swap", [](int n, int m, const auto&) { std::swap(students[n], students[m]); }},
    {"title", [](int n, int, const auto& v) { asg_title[n] = v.empty() ? "" : v[0]; }},
    {"points", [](int n, int, const auto& v) { asg_points[n] = number(v[0]); }},
    {"about", [](int n, int, const auto& v) { asg_notes[n] = v[0]; }},
    {"instructor", [](int, int, const auto& v) { instructor = v[0]; }},
    {"scale", [](int n, int, const auto& v) { grade_scale[n] = number(v[0]); }},
    {"plus", [](int, int, const auto& v) { use_plus = v[0] == "1"; }},
    {"minus", [](int, int, const auto& v) { use_minus = v[0] == "1"; }},
    {"full", // every free slot from 3 on but the last
     [](int, int, const auto&) {
         for (int s = 3; s < 299; ++s) {
             students[s] = {"First", "Last", std::to_string(1000 + s), {}, {}, {}, {}};
         }
     }},
};

void apply(const std::string& edits) {
    for (const std::string& edit : split(edits, ';')) {
        const std::size_t space = edit.find(' ');
        const std::size_t dot = edit.find('.', space);
        const std::size_t equals = edit.find('=');
        const std::string place = space < equals ? edit.substr(space + 1, equals - space - 1) : "";
        kinds.at(edit.substr(0, std::min(space, equals)))(
            std::atoi(place.c_str()), dot < equals ? std::atoi(edit.c_str() + dot + 1) : 0,
            equals == std::string::npos ? std::vector<std::string>{}
                                        : split(edit.substr(equals + 1), '/'));
    }
}

// Three students (Lee, Kim, Diaz in slots 0 to 2) with scores 1 to 9 on Quiz 1, Quiz 2 and Test.
void standard_class() {
    clear_class();
    apply("instructor=T. Sample;title 0=Quiz 1;points 0=10;title 1=Quiz 2;points 1=20;"
          "title 2=Test;points 2=50;student 0=101/Lee/Ann;student 1=102/Kim/Bo;"
          "student 2=103/Diaz/Cy;s 0.0=1;s 0.1=2;s 0.2=3;s 1.0=4;s 1.1=5;s 1.2=6;s 2.0=7;"
          "s 2.1=8;s 2.2=9");
}

// Each copy is the standard class, `base` and its own edits; the merge is the base and `merged`,
// or `theirs_taken` when every conflict "where | mine | theirs" (';' between) takes theirs.
struct Case {
    const char* name;
    std::string ours;
    std::string theirs;
    std::string merged;
    std::string conflicts = "";
    std::string theirs_taken = "";
    std::string base = "";
    std::string take_theirs = ""; // '1' where theirs is taken
};

const std::vector<Case> cases = {
    {"disjoint scores", "s 0.0=7", "s 1.1=15", "s 0.0=7;s 1.1=15"},
    {"one cell alike", "s 0.0=7", "s 0.0=7", "s 0.0=7"},
    {"one cell differently", "s 0.0=7", "s 0.0=E", "s 0.0=7", "Lee, Ann: Quiz 1 | 7 | E",
     "s 0.0=E"},
    {"choices by index, keeping mine past the end", "s 0.0=7;s 0.1=8;s 1.0=9",
     "s 0.0=17;s 0.1=18;s 1.0=19", "s 0.0=7;s 0.1=18;s 1.0=9",
     "Lee, Ann: Quiz 1 | 7 | 17;Lee, Ann: Quiz 2 | 8 | 18;Kim, Bo: Quiz 1 | 9 | 19", "", "", "01"},
    {"sorted in mine", "swap 0.2", "s 0.1=15", "swap 0.2;s 2.1=15"},
    {"sorted in theirs", "s 0.1=15", "swap 0.2", "swap 0.2;s 2.1=15"},
    {"both sorted: mine stands", "swap 0.2", "swap 0.1;s 1.0=8", "swap 0.2;s 2.0=8"},
    {"a new ID, the same student", "student 1=202/Kim/Bo", "s 1.0=9",
     "student 1=202/Kim/Bo;s 1.0=9"},
    {"a doubled ID matches by slot", "student 0", "s 1.0=9", "student 0;s 1.0=9", "", "",
     "student 1=101/Kim/Bo"},
    {"texts, stored line feeds and assignment fields", "phone 0=555-1;notes 1=a\nb;points 0=12",
     "phone 0=555-2;notes 1=c;points 0=15;about 1=open book",
     "phone 0=555-1;notes 1=c;points 0=12;about 1=open book",
     "Quiz 1: Points | 12 | 15;Lee, Ann: Telephone | 555-1 | 555-2", "", "notes 1=a b"},
    {"settings", "instructor=Mr. Park;scale 1=92;minus=1",
     "instructor=Ms. Lee;scale 1=88;scale 4=78;plus=0;minus=1",
     "instructor=Mr. Park;scale 1=92;scale 4=78;plus=0;minus=1",
     "Instructor | Mr. Park | Ms. Lee;Grading Scale: A | 92 | 88", "", "plus=1"},
    {"students added to one slot: theirs moves to the first free one with its scores",
     "student 5=201/Ng/Al;s 5.0=4", "student 5=202/Ray/Di;s 5.1=6",
     "student 5=201/Ng/Al;s 5.0=4;student 3=202/Ray/Di;s 3.1=6"},
    {"assignments added to one slot: theirs moves with every student's score",
     "title 5=Lab;points 5=30;s 0.5=25", "title 5=Essay;points 5=40;s 1.5=35",
     "title 5=Lab;points 5=30;s 0.5=25;title 3=Essay;points 3=40;s 1.3=35"},
    {"full class", "student 299=201/Ng/Al", "student 299=202/Ray/Di", "student 299=201/Ng/Al",
     "Students (Class Full) | Ng, Al | Ray, Di", "student 299=202/Ray/Di", "full"},
    {"removed in mine, changed in theirs", "student 1", "s 1.2=40", "student 1",
     "Kim, Bo | (removed) | (changed)", "s 1.2=40"},
    {"removed in theirs, changed in mine: kept", "phone 1=555", "student 1", "phone 1=555",
     "Kim, Bo | (changed) | (removed)"},
    {"assignment removed in theirs, scored in mine", "s 0.2=45", "title 2", "s 0.2=45",
     "Test | (changed) | (removed)"},
    {"removed against no edit", "title 1", "student 1;s 0.0=9", "title 1;student 1;s 0.0=9"},
};

std::string version(const Case& c, const std::string& edits) {
    standard_class();
    apply(c.base);
    apply(edits);
    return written();
}

TEST_F(ClassMergeTest, EachFieldMergesOnItsOwnAndConflictsAreListed) {
    for (const Case& c : cases) {
        for (const bool all_theirs : {false, true}) {
            if (all_theirs && c.theirs_taken.empty()) {
                continue;
            }
            SCOPED_TRACE(std::string{c.name} + (all_theirs ? ", theirs taken" : ""));
            const std::string base = version(c, "");
            const std::string theirs = version(c, c.theirs);
            const std::string expected = version(c, all_theirs ? c.theirs_taken : c.merged);
            version(c, c.ours);
            std::vector<MergeConflict> conflicts{{"stale", "", ""}};
            const std::vector<std::string> listed = split(c.conflicts, ';');
            std::vector<bool> choices(listed.size(), all_theirs);
            for (std::size_t k = 0; !all_theirs && k < c.take_theirs.size(); ++k) {
                choices[k] = c.take_theirs[k] == '1';
            }
            ASSERT_TRUE(merge_class_choosing(base, theirs, conflicts, choices));
            EXPECT_EQ(expected, written());
            std::vector<std::string> shown;
            for (const MergeConflict& m : conflicts) {
                shown.push_back(m.where + " | " + m.mine + " | " + m.theirs);
            }
            EXPECT_EQ(listed, shown);
        }
    }
}

TEST_F(ClassMergeTest, AnUnreadableCopyChangesNothing) {
    standard_class();
    const std::string good = written();
    std::string bad = good;
    bad.replace(bad.find(" 1 \r\nBo\r\n"), 3, " 301 ");
    const std::string out_of_range = "unreadable (line 20: student number 301 is out of range).";
    const std::string copies[][3] = {
        {good, bad, "the class file on disk is " + out_of_range},
        {bad, good, "the version of the class this copy last read or saved is " + out_of_range},
        {"", good.substr(0, 40),
         "the class file on disk is unreadable (line 6: the file ends too early)."}};
    students[0].scores[0] = 7;
    const std::string before = written();
    for (const auto& [base, theirs, message] : copies) {
        std::vector<MergeConflict> conflicts;
        EXPECT_EQ("Could not merge the other copy's changes: " + message,
                  merge_class(base, theirs, conflicts).message());
        EXPECT_EQ(before, written());
    }
}

} // namespace
} // namespace quillmark
