#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "gradebook/roster_import.h"
#include "support/class_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace quillmark::testing {
namespace {

using Names = std::vector<std::string>; // "Last/First/ID", one a student

// A class of two students in slots 0 and 2, slot 1 free between them.
class RosterImportTest : public ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        clear_class();
        students[0] = {"Ann", "Sample", "1001", {}, "", "", ""};
        students[2] = {"Bo", "Lee", "1002", {}, "", "", ""};
    }

    static Result plan(std::string_view bytes, RosterPlan& into) {
        std::istringstream in{std::string{bytes}};
        return plan_roster_import(in, "list.csv", into);
    }

    static std::string name(const auto& s) {
        return s.last_name + "/" + s.first_name + "/" + s.id_number;
    }

    // The students a list without problems would add.
    static Names planned(std::string_view bytes) {
        RosterPlan result;
        EXPECT_TRUE(plan(bytes, result));
        EXPECT_EQ(Names{}, result.notes);
        Names names;
        std::ranges::transform(result.students, std::back_inserter(names), name<ImportedStudent>);
        return names;
    }

    static Names class_names() {
        Names names;
        for (std::int16_t s = 0; s < student_slots; ++s) {
            if (student_used(s)) {
                names.push_back(name(students[s]));
            }
        }
        return names;
    }

    // The text with a byte order mark, as UTF-16 in either byte order.
    static std::string utf16(std::u16string_view text, bool big_endian) {
        std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t unit : text) {
            bytes += static_cast<char>(big_endian ? unit >> 8 : unit & 0xFF);
            bytes += static_cast<char>(big_endian ? unit & 0xFF : unit >> 8);
        }
        return bytes;
    }
};

TEST_F(RosterImportTest, EveryHeaderStyleSeparatorAndEncoding) {
    const Names two{"Ng/Zo\xEB/2001", "O'Hara, Jr./Kim/2002"};
    const std::vector<std::string> lists{
        // UTF-8 with a byte order mark, headers in any case and spacing, columns in any order.
        "\xEF\xBB\xBF"
        "student id,  LAST NAME ,FirstName,Telephone\r\n"
        "2001,Ng,Zo\xC3\xAB,555\r\n"
        "2002,\"O'Hara, Jr.\",  Kim  ,\r\n",
        // Windows-1252 with semicolons and lone CRs, blank lines and a row of empty cells between.
        "Surname;Given Name;ID Number\rNg;Zo\xEB;2001\r\r;;\r"
        "O'Hara, Jr.;Kim;2002\r",
        // UTF-8 without a mark, tabs, no end after the last row; an accent after its letter.
        "Family Name\tGiven Name\tID\nNg\tZoe\xCC\x88\t2001\n"
        "O'Hara, Jr.\tKim\t2002",
        // Excel's "Unicode Text": UTF-16 with tabs, little and big endian.
        utf16(u"Last_Name\tFirst Name\tID\r\nNg\tZo\u00EB\t2001\r\nO'Hara, Jr.\tKim\t2002", false),
        utf16(u"Name,ID\n\"Ng, Zo\u00EB\",2001\n\"O'Hara, Jr., Kim\",2002\n", true),
        // Title lines above the header, underscores for blanks.
        "Period 3\n\nPrinted 2024-09-02;;\nStudent_Number;Last_Name;First_Name\n"
        "2001;Ng;Zo\xC3\xAB\n2002;O'Hara, Jr.;Kim\n",
        // "Last, First" or "First Last" in one column; the school's number before the system's
        // "ID"; Canvas's rows of points and posting are no students.
        "Student Name,ID,Student Number\n\"Ng, Zo\xC3\xAB\",17,2001\nManual Posting,,\n"
        "    Points Possible,,\n\"O'Hara, Jr., Kim\",2002,\n",
    };
    for (const std::string& list : lists) {
        SCOPED_TRACE(list);
        EXPECT_EQ(two, planned(list));
    }

    // UTF-8 whose first accent is in a line of another encoding: that line alone is skipped.
    RosterPlan mixed;
    ASSERT_TRUE(plan("Last Name,First Name,ID\nM\xFCller,Jo,2000\nNg,Zo\xC3\xAB,2001\n", mixed));
    ASSERT_EQ(1, mixed.students.size());
    EXPECT_EQ("Ng/Zo\xEB/2001", name(mixed.students[0]));
    EXPECT_EQ((Names{"Line 2: the text is not valid UTF-8, the encoding of the rest of the file; "
                     "skipped."}),
              mixed.notes);
}

TEST_F(RosterImportTest, ProblemRowsAreSkippedOrMendedAndSaidSo) {
    students[3].scores[0] = 9; // left by a removed student: a new one starts without it
    RosterPlan result;
    const std::string x35(35, 'x');
    ASSERT_TRUE(
        plan("Last Name,First Name,ID\r\nNg,Ann,3001\r\n,Bo,3002\r\nPark,Cy,\r\n"
             "Sample,Ann,1001\r\nNg,Dee,3001\r\n" +
                 x35 +
                 ",Eve,3003\r\nWu \xE2\x80\x94 Dvo\xC5\x99\xC3\xA1k,\xC5\x81ukasz,3004\r\n"
                 "\xE7\x8E\x8B,Gus,3005\r\nKay,Hal,S2024000123\r\n\"Ray\r\nMond\",Ian\x01,3006\r\n"
                 "Nguy\xE1\xBB\x85n,V\xC4\x83n An,\xC5\x81"
                 "77\r\nM\xFCller,Jo,3007\r\nNguy\xE1\xBB\x85n,V\xC4\x83n An,3008\r\n",
             result));
    const std::string notes =
        "Line 3: no last name; skipped.\nLine 4: no ID; skipped.\n"
        "Line 5: ID 1001 is already in the class; skipped.\n"
        "Line 6: ID 3001 is on an earlier line too; skipped.\nLine 7: " +
        x35 + " \u2192 " + std::string(30, 'x') +
        "\nLine 8: \u0141ukasz \u2192 Lukasz\n"
        "Line 8: Wu \u2014 Dvo\u0159\u00E1k \u2192 Wu \u2014 Dvor\u00E1k\n"
        "Line 9: the class file cannot store the last name \u738B in any spelling; skipped.\n"
        "Line 10: the ID S2024000123 is longer than 10 characters; skipped.\n"
        // A record's line is where it starts.
        "Line 13: the class file cannot store the ID \u0141"
        "77 exactly; skipped.\n"
        "Line 14: the text is not valid UTF-8, the encoding of the rest of the file; skipped.\n"
        "Line 15: V\u0103n An \u2192 Van An\n"
        "Line 15: Nguy\u1EC5n \u2192 Nguyen";
    const RosterQuestion question = roster_import_question(result, "list.csv");
    EXPECT_EQ("Import 5 students from \"list.csv\"?\n\n"
              "5 names are changed to fit the class file.\n"
              "8 lines are skipped.",
              question.text);
    EXPECT_EQ(notes, question.details);
    EXPECT_TRUE(question.asks);

    // Nothing changes until the plan is applied, which fills the gap between students first.
    EXPECT_EQ((Names{"Sample/Ann/1001", "Lee/Bo/1002"}), class_names());
    apply_roster_import(result);
    EXPECT_EQ(
        (Names{"Sample/Ann/1001", "Ng/Ann/3001", "Lee/Bo/1002", std::string(30, 'x') + "/Eve/3003",
               "Wu \x97 Dvor\xE1k/Lukasz/3004", "Ray Mond/Ian/3006", "Nguyen/Van An/3008"}),
        class_names());
    EXPECT_EQ(0, students[3].scores[0]);
}

// Besides the problems: one student or more, names split, or nothing to add (and no question).
TEST_F(RosterImportTest, TheQuestionSaysWhatItAddsOrThatThereIsNothing) {
    const std::vector<std::pair<std::string, std::string>> questions{
        {"Name,ID\nAnn Lee,3001\nPark,3002\nBo van Dyk,3003\n",
         "Import 3 students from \"list.csv\"?\n\n2 names without a comma are split at the last "
         "blank into first and last name."},
        {"Name,ID\nAnn Lee,3001\n",
         "Import 1 student from \"list.csv\"?\n\n1 name without a comma is split at the last "
         "blank into first and last name."},
        {"Name,ID\nSample,1001\nLee,1002\n",
         "Every student in \"list.csv\" is in the class already: there is nothing to add.\n\n"
         "2 lines are skipped."},
        {"Name,ID\nSample,1001\nPark,\n",
         "There is nothing to add from \"list.csv\".\n\n2 lines are skipped."},
    };
    for (const auto& [list, text] : questions) {
        RosterPlan result;
        ASSERT_TRUE(plan(list, result));
        const RosterQuestion question = roster_import_question(result, "list.csv");
        EXPECT_EQ(text, question.text);
        EXPECT_EQ(!result.students.empty(), question.asks);
    }
    EXPECT_EQ(Names{"Dyk/Bo van/3003"}, planned("Name,ID\nBo van Dyk,3003\n"));
}

TEST_F(RosterImportTest, StudentsBeyondTheFullClassAreSkippedAndSaidSoFirst) {
    for (std::int16_t s = 3; s < 298; ++s) {
        students[s] = {"", "Full", "f" + std::to_string(s), {}, "", "", ""};
    }
    RosterPlan result;
    ASSERT_TRUE(plan("Name,ID\nA,5000\nB,5001\nC,5002\nD,5003\n,9999\nE,5004\n", result));
    EXPECT_EQ((Names{"Line 5 and after: the class holds 300 students; 2 more students skipped.",
                     "Line 6: no last name; skipped."}),
              result.notes);
    EXPECT_EQ(3U, result.skipped);
    apply_roster_import(result);
    EXPECT_EQ("5000", students[1].id_number);
    EXPECT_EQ("5002", students[299].id_number);
    EXPECT_FALSE(student_used(300));
}

TEST_F(RosterImportTest, FilesThatAreNoClassListAreRefusedAndChangeNothing) {
    const std::string before = class_file_text();
    const std::vector<std::pair<std::string, std::string>> refused{
        {"", "the file is empty"},
        {"First Name,ID\nAnn,1\n", "no column of last names or names was found"},
        {"Last Name,First Name\nNg,Ann\n", "no column of ID numbers was found"},
        {"Last Name,ID\n\n,\n", "the file lists no students"},
        {"Last Name,ID\nNg,1\n\"Lee,2\n", "line 3 is not valid CSV"},
        {"Last Name,ID\nN\"g,1\n", "line 2 is not valid CSV"},
        {"1\n2\n3\n4\n5\nLast Name,ID\nNg,1\n", "no column of last names or names was found"},
        {"Title\nLast Name,Given Name\nNg,Ann\n", "no column of ID numbers was found"},
    };
    for (const auto& [bytes, reason] : refused) {
        RosterPlan result;
        result.notes = {"untouched"};
        EXPECT_EQ("Could not import students from \"list.csv\": " + reason + ".",
                  plan(bytes, result).message());
        EXPECT_EQ(Names{"untouched"}, result.notes);
    }

    EXPECT_EQ(before, class_file_text());
}

} // namespace
} // namespace quillmark::testing
