#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "gradebook/roster_import.h"
#include "reports/grade_export.h"
#include "support/class_fixture.h"

#include <fstream>
#include <gtest/gtest.h>
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
        add(0, "Sample", "Ann", "1001");
        add(2, "Lee", "Bo", "1002");
    }

    static void add(std::int16_t slot, std::string last, std::string first, std::string id) {
        students[slot].last_name = std::move(last);
        students[slot].first_name = std::move(first);
        students[slot].id_number = std::move(id);
    }

    static Result plan(std::string_view bytes, RosterPlan& into) {
        std::istringstream in{std::string{bytes}};
        return plan_roster_import(in, "list.csv", into);
    }

    // The students a list without problems would add.
    static Names planned(std::string_view bytes) {
        RosterPlan result;
        EXPECT_TRUE(plan(bytes, result));
        EXPECT_EQ(Names{}, result.problems);
        Names names;
        for (const ImportedStudent& s : result.students) {
            names.push_back(s.last_name + "/" + s.first_name + "/" + s.id_number);
        }
        return names;
    }

    static Names class_names() {
        Names names;
        for (std::int16_t s = 0; s < student_slots; ++s) {
            if (student_used(s)) {
                const student_rec& r = students[s];
                names.push_back(r.last_name + "/" + r.first_name + "/" + r.id_number);
            }
        }
        return names;
    }

    static std::string saved() {
        std::ostringstream out;
        write_class(out);
        return out.str();
    }
};

TEST_F(RosterImportTest, EveryHeaderStyleSeparatorAndEncoding) {
    const Names two{"Ng/Zo\xEB/2001", "O'Hara, Jr./Kim/2002"};
    // UTF-8 with a byte order mark, headers in any case and spacing, columns in any order.
    EXPECT_EQ(two, planned("\xEF\xBB\xBF"
                           "student id,  LAST NAME ,FirstName,Telephone\r\n"
                           "2001,Ng,Zo\xC3\xAB,555\r\n"
                           "2002,\"O'Hara, Jr.\",  Kim  ,\r\n"));
    // Windows-1252 with semicolons and lone CRs, blank lines and a row of empty cells between.
    EXPECT_EQ(two, planned("Surname;Given Name;ID Number\rNg;Zo\xEB;2001\r\r;;\r"
                           "O'Hara, Jr.;Kim;2002\r"));
    // UTF-8 without a mark, tabs, no line end after the last row.
    EXPECT_EQ(two, planned("Family Name\tGiven Name\tID\nNg\tZo\xC3\xAB\t2001\n"
                           "O'Hara, Jr.\tKim\t2002"));
    // "Last, First" in one column; the school's ID wins over the system's own "ID".
    EXPECT_EQ((Names{"O'Hara, Jr./Kim/2001", "Park//2002"}),
              planned("Student,ID,SIS User ID\n\"O'Hara, Jr., Kim\",17,2001\nPark,18,2002\n"));
    EXPECT_EQ((Names{"Ng/Zo\xEB/2001"}), planned("Name;Student ID\nNg, Zo\xEB;2001\n"));

    // What the export writes comes back, its points row neither a student nor a problem.
    add(5, "Zo\xEB, \"Jr.\"", "Ann", "1005");
    const Names before = class_names();
    std::ostringstream spreadsheet;
    std::ostringstream canvas;
    write_grades_csv(spreadsheet, ExportFormat::spreadsheet);
    write_grades_csv(canvas, ExportFormat::canvas);
    clear_class();
    EXPECT_EQ(before, planned(spreadsheet.str()));
    EXPECT_EQ(before, planned(canvas.str()));
}

TEST_F(RosterImportTest, ProblemRowsAreSkippedOrMendedAndSaidSo) {
    students[3].scores[0] = 9; // left by a removed student: a new one starts without it
    RosterPlan result;
    ASSERT_TRUE(plan("Last Name,First Name,ID\r\n"
                     "Ng,Ann,3001\r\n"
                     ",Bo,3002\r\n"
                     "Park,Cy,\r\n"
                     "Sample,Ann,1001\r\n"
                     "Ng,Dee,3001\r\n" +
                         std::string(35, 'x') +
                         ",Eve,3003\r\n"
                         "Wu \xE2\x80\x94 \xE7\x8E\x8B,Fay\x01,3004\r\n"
                         "\xE7\x8E\x8B,Gus,3005\r\n"
                         "Kay,Hal,12345678901\r\n"
                         "\"Ray\nMond\",Ian,3006\r\n",
                     result));
    const std::string problems =
        "Line 3: no last name; skipped.\n"
        "Line 4: no ID; skipped.\n"
        "Line 5: ID 1001 is already in the class; skipped.\n"
        "Line 6: ID 3001 is on an earlier line too; skipped.\n"
        "Line 7: the last name was cut to 30 characters.\n"
        "Line 8: characters the class file cannot store were left out of the first name.\n"
        "Line 8: characters the class file cannot store were left out of the last name.\n"
        "Line 9: no character of the last name can be stored in the class file; skipped.\n"
        "Line 10: the ID was cut to 10 characters.\n"
        // A record's line is where it starts.
        "Line 11: characters the class file cannot store were left out of the last name.";
    EXPECT_EQ("Import 5 students from \"list.csv\"?\n\n" + problems,
              roster_import_question(result, "list.csv"));

    // Nothing changes until the plan is applied, and then the gap between the class's students
    // is filled first.
    EXPECT_EQ((Names{"Sample/Ann/1001", "Lee/Bo/1002"}), class_names());
    apply_roster_import(result);
    EXPECT_EQ(
        (Names{"Sample/Ann/1001", "Ng/Ann/3001", "Lee/Bo/1002", std::string(30, 'x') + "/Eve/3003",
               "Wu \x97/Fay/3004", "Kay/Hal/1234567890", "RayMond/Ian/3006"}),
        class_names());
    EXPECT_EQ(0, students[3].scores[0]);

    result.problems.resize(13, "Line 99: no ID; skipped.");
    EXPECT_TRUE(roster_import_question(result, "list.csv")
                    .ends_with("last name.\n3 more problems are not shown."));
}

TEST_F(RosterImportTest, StudentsBeyondTheFullClassAreSkippedAndSaidSoFirst) {
    for (std::int16_t s = 3; s < 298; ++s) {
        add(s, "Full", "", "f" + std::to_string(s));
    }
    RosterPlan result;
    ASSERT_TRUE(plan("Name,ID\nA,5000\nB,5001\nC,5002\nD,5003\n,9999\nE,5004\n", result));
    EXPECT_EQ((Names{"Line 5 and after: the class holds 300 students; 2 more students skipped.",
                     "Line 6: no last name; skipped."}),
              result.problems);
    apply_roster_import(result);
    EXPECT_EQ("5000", students[1].id_number);
    EXPECT_EQ("5002", students[299].id_number);
    EXPECT_FALSE(student_used(300));
}

TEST_F(RosterImportTest, FilesThatAreNoClassListAreRefusedAndChangeNothing) {
    const std::string before = saved();
    const std::vector<std::pair<std::string, std::string>> refused{
        {"", "the file is empty"},
        {"First Name,ID\nAnn,1\n", "no column of last names or names was found"},
        {"Last Name,First Name\nNg,Ann\n", "no column of ID numbers was found"},
        {"Last Name,ID\n\n,\n", "the file lists no students"},
        {"Last Name,ID\nNg,1\n\"Lee,2\n", "line 3 is not valid CSV"},
        {"Last Name,ID\nN\"g,1\n", "line 2 is not valid CSV"},
        {std::string{"\xFF\xFEL\0a\0s\0t\0,\0I\0D\0", 16},
         "no column of last names or names was found"},
    };
    for (const auto& [bytes, reason] : refused) {
        RosterPlan result;
        result.problems = {"untouched"};
        EXPECT_EQ("Could not import students from \"list.csv\": " + reason + ".",
                  plan(bytes, result).message());
        EXPECT_EQ(Names{"untouched"}, result.problems);
    }

    RosterPlan result;
    EXPECT_EQ("Could not import students from \"none.csv\": No such file or directory.",
              plan_roster_import(folder() / "none.csv", result).message());
    {
        std::ofstream big{folder() / "big.csv", std::ios::binary};
        big << "Last Name,ID\n" << std::string(largest_class_list, ' ');
    }
    EXPECT_EQ("Could not import students from \"big.csv\": the file is larger than 10 MB.",
              plan_roster_import(folder() / "big.csv", result).message());
    EXPECT_EQ(before, saved());
}

} // namespace
} // namespace quillmark::testing
