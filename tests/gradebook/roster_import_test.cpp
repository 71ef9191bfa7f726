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

namespace fs = std::filesystem;

struct Named {
    std::string last;
    std::string first;
    std::string id;
    bool operator==(const Named&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Named& named) {
    return out << named.last << "/" << named.first << "/" << named.id;
}

// A class of two students in slots 0 and 2, slot 1 free between them.
class RosterImportTest : public ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        clear_class();
        class_file = "Period 1.cls";
        asg_title[0] = "Quiz";
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

    static std::vector<Named> planned(std::string_view bytes) {
        RosterPlan result;
        const Result read = plan(bytes, result);
        EXPECT_TRUE(read) << read.message();
        EXPECT_EQ(std::vector<std::string>{}, result.problems);
        std::vector<Named> names;
        for (const ImportedStudent& s : result.students) {
            names.push_back({s.last_name, s.first_name, s.id_number});
        }
        return names;
    }

    static std::vector<Named> class_names() {
        std::vector<Named> names;
        for (std::int16_t s = 0; s < student_slots; ++s) {
            if (student_used(s)) {
                names.push_back(
                    {students[s].last_name, students[s].first_name, students[s].id_number});
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
    const std::vector<Named> two{{"Ng", "Zo\xEB", "2001"}, {"O'Hara, Jr.", "Kim", "2002"}};
    // UTF-8 with a byte order mark, headers in any case and spacing, columns in any order.
    EXPECT_EQ(two, planned("\xEF\xBB\xBF"
                           "student id,  LAST NAME ,FirstName,Telephone\r\n"
                           "2001,Ng,Zo\xC3\xAB,555\r\n"
                           "2002,\"O'Hara, Jr.\",  Kim  ,\r\n"));
    // Windows-1252 with semicolons, blank lines and a row of empty cells in between.
    EXPECT_EQ(two, planned("Surname;Given Name;ID Number\n"
                           "Ng;Zo\xEB;2001\n"
                           "\n"
                           ";;\n"
                           "O'Hara, Jr.;Kim;2002\n"));
    // UTF-8 without a mark, tabs, no line end after the last row.
    EXPECT_EQ(two, planned("Family Name\tGiven Name\tID\n"
                           "Ng\tZo\xC3\xAB\t2001\n"
                           "O'Hara, Jr.\tKim\t2002"));
    // One "Last, First" column; the school's ID wins over the system's own "ID".
    EXPECT_EQ((std::vector<Named>{{"Ng", "Zo\xEB", "2001"}, {"Park", "", "2002"}}),
              planned("Student,ID,SIS User ID\n"
                      "\"Ng, Zo\xC3\xAB\",17,2001\n"
                      "Park,18,2002\n"));
    EXPECT_EQ((std::vector<Named>{{"Ng", "Zo\xEB", "2001"}}), planned("Name;Student ID\n"
                                                                      "Ng, Zo\xEB;2001\n"));
}

TEST_F(RosterImportTest, ExportedFilesComeBackWithTheirStudents) {
    add(5, "Zo\xEB, \"Jr.\"", "=Ann", "1005");
    const std::vector<Named> before = class_names();
    for (ExportFormat format : {ExportFormat::spreadsheet, ExportFormat::canvas}) {
        std::ostringstream out;
        write_grades_csv(out, format);
        clear_class();
        RosterPlan result;
        ASSERT_TRUE(plan(out.str(), result));
        // The points row is no student, and no problem either.
        EXPECT_EQ(std::vector<std::string>{}, result.problems);
        apply_roster_import(result);
        std::vector<Named> back = class_names();
        if (format == ExportFormat::spreadsheet) {
            // The spreadsheet layout disarms the formula with an apostrophe.
            EXPECT_EQ("'=Ann", back[2].first);
            back[2].first = "=Ann";
        }
        EXPECT_EQ(before, back);
        clear_class();
        add(0, "Sample", "Ann", "1001");
        add(2, "Lee", "Bo", "1002");
        add(5, "Zo\xEB, \"Jr.\"", "=Ann", "1005");
    }
}

TEST_F(RosterImportTest, ProblemRowsAreSkippedOrMendedAndSaidSo) {
    students[3].scores[0] = 9; // left by a removed student: a new one starts without it
    const std::string long_name(35, 'x');
    RosterPlan result;
    ASSERT_TRUE(plan("Last Name,First Name,ID\r\n"
                     "Ng,Ann,3001\r\n"
                     ",Bo,3002\r\n"
                     "Park,Cy,\r\n"
                     "Sample,Ann,1001\r\n"
                     "Ng,Dee,3001\r\n" +
                         long_name +
                         ",Eve,3003\r\n"
                         "Wu \xE2\x80\x94 \xE7\x8E\x8B,Fay\x01,3004\r\n"
                         "\xE7\x8E\x8B,Gus,3005\r\n"
                         "Kay,Hal,12345678901\r\n"
                         "\"Ray\nMond\",Ian,3006\r\n",
                     result));
    const std::vector<std::string> problems{
        "Line 3: no last name; skipped.",
        "Line 4: no ID; skipped.",
        "Line 5: ID 1001 is already in the class; skipped.",
        "Line 6: ID 3001 is on an earlier line too; skipped.",
        "Line 7: the last name was cut to 30 characters.",
        "Line 8: characters the class file cannot store were left out of the first name.",
        "Line 8: characters the class file cannot store were left out of the last name.",
        "Line 9: no character of the last name can be stored in the class file; skipped.",
        "Line 10: the ID was cut to 10 characters.",
        "Line 11: characters the class file cannot store were left out of the last name.",
    };
    EXPECT_EQ(problems, result.problems);

    // Nothing changes until the plan is applied: No leaves the class as it was.
    const std::string before = saved();
    EXPECT_EQ(
        "Import 5 students from \"list.csv\"?\n\n" +
            [&] {
                std::string lines;
                for (const std::string& problem : problems) {
                    lines += problem + "\n";
                }
                return lines.substr(0, lines.size() - 1);
            }(),
        roster_import_question(result, "list.csv"));
    EXPECT_EQ(before, saved());

    // Yes fills the free slots in the file's order, the gap between the class's students first.
    apply_roster_import(result);
    EXPECT_EQ((std::vector<Named>{{"Sample", "Ann", "1001"},
                                  {"Ng", "Ann", "3001"},
                                  {"Lee", "Bo", "1002"},
                                  {std::string(30, 'x'), "Eve", "3003"},
                                  {"Wu \x97", "Fay", "3004"},
                                  {"Kay", "Hal", "1234567890"},
                                  {"RayMond", "Ian", "3006"}}),
              class_names());
    EXPECT_EQ(0, students[3].scores[0]);

    // More problems than the question shows.
    result.problems.resize(13, "Line 99: no ID; skipped.");
    EXPECT_TRUE(roster_import_question(result, "list.csv")
                    .ends_with("Line 11: characters the class file cannot store were left out "
                               "of the last name.\n3 more problems are not shown."));
}

TEST_F(RosterImportTest, StudentsBeyondTheFullClassAreSkippedAndSaidSoFirst) {
    for (std::int16_t s = 3; s < 298; ++s) {
        add(s, "Full", "", "f" + std::to_string(s));
    }
    std::string list = "Name,ID\n";
    for (int k = 0; k < 6; ++k) {
        list += "New" + std::to_string(k) + "," + std::to_string(5000 + k) + "\n";
    }
    list += ",9999\n";
    RosterPlan result;
    ASSERT_TRUE(plan(list, result));
    EXPECT_EQ((std::vector<std::string>{
                  "Line 5 and after: the class holds 300 students; 3 more students skipped.",
                  "Line 8: no last name; skipped."}),
              result.problems);
    apply_roster_import(result);
    EXPECT_EQ("5000", students[1].id_number);
    EXPECT_EQ("5001", students[298].id_number);
    EXPECT_EQ("5002", students[299].id_number);
    EXPECT_FALSE(student_used(300));
}

TEST_F(RosterImportTest, FilesThatAreNoClassListAreRefusedAndChangeNothing) {
    const std::string before = saved();
    const std::vector<std::pair<std::string, std::string>> refused{
        {"", "the file is empty"},
        {"First Name,ID\nAnn,1\n", "no column of last names or names was found"},
        {"ID number,Quiz\n1001,5\n", "no column of last names or names was found"},
        {"Last Name,First Name\nNg,Ann\n", "no column of ID numbers was found"},
        {"Last Name,ID\n\n,\n", "the file lists no students"},
        {"Last Name,ID\nNg,1\n\"Lee,2\n", "line 3 is not valid CSV"},
        {"Last Name,ID\nN\"g,1\n", "line 2 is not valid CSV"},
        // UTF-16 reads as no header at all.
        {std::string{"\xFF\xFEL\0a\0s\0t\0,\0I\0D\0", 16},
         "no column of last names or names was found"},
    };
    for (const auto& [bytes, reason] : refused) {
        RosterPlan result;
        result.problems = {"untouched"};
        const Result read = plan(bytes, result);
        EXPECT_EQ("Could not import students from \"list.csv\": " + reason + ".", read.message());
        EXPECT_EQ(std::vector<std::string>{"untouched"}, result.problems);
    }

    RosterPlan result;
    EXPECT_EQ("Could not import students from \"none.csv\": No such file or directory.",
              plan_roster_import(folder() / "none.csv", result).message());
    EXPECT_EQ("Could not import students from \"" + folder().filename().string() +
                  "\": Is a directory.",
              plan_roster_import(folder(), result).message());
    {
        std::ofstream big{folder() / "big.csv", std::ios::binary};
        big << "Last Name,ID\n";
        const std::string row = "Ng,1" + std::string(1000, ' ') + "\n";
        for (std::size_t written = 0; written <= largest_class_list; written += row.size()) {
            big << row;
        }
    }
    EXPECT_EQ("Could not import students from \"big.csv\": the file is larger than 10 MB.",
              plan_roster_import(folder() / "big.csv", result).message());
    write_file("ok.csv", "Last Name,ID\nNg,1\n");
    ASSERT_TRUE(plan_roster_import(folder() / "ok.csv", result));
    EXPECT_EQ(1u, result.students.size());
    EXPECT_EQ(before, saved());
}

} // namespace
} // namespace quillmark::testing
