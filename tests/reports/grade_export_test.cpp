#include "classdata/class_data.h"
#include "reports/grade_export.h"
#include "support/class_fixture.h"
#include "support/csv_reader.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>

namespace quillmark::testing {
namespace {

// A class that needs every rule of the layouts: unused slots between used ones, a title used
// twice beside one that already reads like its numbered form, excused, zero and negative scores,
// names with commas, quotes, blanks, accents (Windows-1252) and a formula.
class GradeExportTest : public ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        clear_class();
        class_file = "Period 1.cls";
        const std::array<std::pair<std::int16_t, const char*>, 4> titles{
            {{0, "Quiz"}, {2, "Quiz"}, {3, "Essay, \"final\""}, {5, "Quiz (2)"}}};
        const std::array<std::int16_t, 4> points{10, 20, 100, 5};
        for (std::size_t k = 0; k < titles.size(); ++k) {
            asg_title[titles[k].first] = titles[k].second;
            asg_points[titles[k].first] = points[k];
        }
        students[0] = {"Ann", "Sample", "1001", {10, 0, 20, 90, 0, 5}, "", "", ""};
        students[2] = {"Zo\xEB", "O'Brien, Jr.", "1002", {excused}, "", "", ""};
        students[3] = {" -Bo", "=HYPERLINK(\"http://x\")", "-7", {10, 0, -3, 80, 0, 5}, "", "", ""};
    }

    // The layout's text as cells, checked for its byte order mark and for CR LF after each row.
    static CsvRows exported(ExportFormat format) {
        std::ostringstream out;
        write_grades_csv(out, format);
        std::string_view text = out.view();
        constexpr std::string_view mark = "\xEF\xBB\xBF";
        EXPECT_EQ(format == ExportFormat::spreadsheet, text.starts_with(mark));
        if (text.starts_with(mark)) {
            text.remove_prefix(mark.size());
        }
        EXPECT_TRUE(text.ends_with("\r\n"));
        for (std::size_t i = text.find('\n'); i != std::string_view::npos;
             i = text.find('\n', i + 1)) {
            EXPECT_EQ('\r', text[i - 1]) << "at byte " << i;
        }
        return read_csv(text);
    }
};

TEST_F(GradeExportTest, EachLayoutCellForCell) {
    // Formulas disarmed in the spreadsheet layout alone, numbers never.
    EXPECT_EQ(
        (CsvRows{{"Last Name", "First Name", "ID", "Quiz", "Quiz (3)", "Essay, \"final\"",
                  "Quiz (2)", "Average", "Grade"},
                 {"Points Possible", "", "", "10", "20", "100", "5", "", ""},
                 {"Sample", "Ann", "1001", "10", "20", "90", "5", "92.59", "A"},
                 {"O'Brien, Jr.", "Zo\u00EB", "1002", "EX", "0", "0", "0", "0.00", "F"},
                 {"'=HYPERLINK(\"http://x\")", " -Bo", "-7", "10", "-3", "80", "5", "68.15", "D"}}),
        exported(ExportFormat::spreadsheet));
    EXPECT_EQ(
        (CsvRows{{"Student", "ID", "SIS User ID", "SIS Login ID", "Section", "Quiz", "Quiz (3)",
                  "Essay, \"final\"", "Quiz (2)"},
                 {"Points Possible", "", "", "", "", "10", "20", "100", "5"},
                 {"Sample, Ann", "", "1001", "", "", "10", "20", "90", "5"},
                 {"O'Brien, Jr., Zo\u00EB", "", "1002", "", "", "EX", "0", "0", "0"},
                 {"=HYPERLINK(\"http://x\"),  -Bo", "", "-7", "", "", "10", "-3", "80", "5"}}),
        exported(ExportFormat::canvas));
    EXPECT_EQ((CsvRows{{"ID number", "Quiz", "Quiz (3)", "Essay, \"final\"", "Quiz (2)"},
                       {"1001", "10", "20", "90", "5"},
                       {"1002", "", "0", "0", "0"},
                       {"-7", "10", "-3", "80", "5"}}),
              exported(ExportFormat::moodle));

    // Plus and at signs start formulas too; a class without students or assignments still has
    // its headers.
    students[3].first_name = "+Bo";
    students[3].last_name = "@Lee";
    const CsvRows spreadsheet = exported(ExportFormat::spreadsheet);
    EXPECT_EQ("'@Lee", spreadsheet[4][0]);
    EXPECT_EQ("'+Bo", spreadsheet[4][1]);
    clear_class();
    EXPECT_EQ((CsvRows{{"ID number"}}), exported(ExportFormat::moodle));
}

TEST_F(GradeExportTest, AFailedExportLeavesTheOldFileWhole) {
    EXPECT_EQ("Period 1 - Grades.csv", export_file_name());
    write_file(export_file_name(), "old grades\r\n");

    // A file size limit stands in for a full disk.
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    rlimit small = original;
    small.rlim_cur = 64;
    const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Result full = export_grades(folder() / export_file_name(), ExportFormat::canvas);
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previous_handler);
    EXPECT_EQ("Could not export the grades to \"Period 1 - Grades.csv\": File too large.",
              full.message());
    EXPECT_EQ("old grades\r\n", read_file(export_file_name()));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator{folder()}, {}));

    ASSERT_TRUE(export_grades(folder() / export_file_name(), ExportFormat::moodle));
    EXPECT_TRUE(read_file(export_file_name())
                    .starts_with("ID number,Quiz,Quiz (3),\"Essay, \"\"final\"\"\",Quiz (2)\r\n"));
}

} // namespace
} // namespace quillmark::testing
