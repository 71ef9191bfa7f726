#include "classdata/class_data.h"
#include "reports/grade_export.h"
#include "support/class_fixture.h"
#include "support/csv_reader.h"
#include "support/xlsx_reader.h"

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
        for (const auto& [slot, title, points] : {std::tuple{0, "Quiz", 10},
                                                  {2, "Quiz", 20},
                                                  {3, "Essay, \"final\"", 100},
                                                  {5, "Quiz (2)", 5}}) {
            asg_title[slot] = title;
            asg_points[slot] = static_cast<std::int16_t>(points);
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
        const bool marked = text.starts_with("\xEF\xBB\xBF");
        EXPECT_EQ(format == ExportFormat::spreadsheet, marked);
        text.remove_prefix(marked ? 3 : 0);
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
    // Canvas reads a title ending in " (2)" as assignment id 2.
    EXPECT_EQ(
        (CsvRows{{"Student", "ID", "SIS User ID", "SIS Login ID", "Section", "Quiz", "Quiz [2]",
                  "Essay, \"final\"", "Quiz (2)"},
                 {"Points Possible", "", "", "", "", "10", "20", "100", "5"},
                 {"Sample, Ann", "", "1001", "", "", "10", "20", "90", "5"},
                 {"O'Brien, Jr., Zo\u00EB", "", "1002", "", "", "EX", "0", "0", "0"},
                 {"=HYPERLINK(\"http://x\"),  -Bo", "", "-7", "", "", "10", "-3", "80", "5"}}),
        exported(ExportFormat::canvas));
    EXPECT_EQ((CsvRows{{"ID number", "Quiz", "Quiz (3)", "Essay, \"final\"", "Quiz (2)"},
                       {"1001", "10", "20", "90", "5"},
                       {"1002", "-", "0", "0", "0"},
                       {"-7", "10", "-3", "80", "5"}}),
              exported(ExportFormat::moodle));

    // Plus and at signs start formulas too; a ';' is quoted, as a spreadsheet's import splits
    // there; a class without students or assignments still has its headers.
    students[3].first_name = "+Bo";
    students[3].last_name = "@Lee";
    asg_title[3] = "Extra; bonus";
    const CsvRows spreadsheet = exported(ExportFormat::spreadsheet);
    EXPECT_EQ("'@Lee", spreadsheet[4][0]);
    EXPECT_EQ("'+Bo", spreadsheet[4][1]);
    std::ostringstream raw;
    write_grades_csv(raw, ExportFormat::spreadsheet);
    EXPECT_NE(std::string::npos, raw.view().find(",\"Extra; bonus\",")) << raw.view();
    clear_class();
    EXPECT_EQ((CsvRows{{"ID number"}}), exported(ExportFormat::moodle));
}

// Read back by another program: texts stay texts (an ID like "-7" too), numbers are numbers.
TEST_F(GradeExportTest, TheWorkbookCellForCell) {
    EXPECT_EQ("Period 1 - Grades.xlsx", export_file_name(ExportLayout::xlsx));
    ASSERT_TRUE(export_grades(folder() / "grades.xlsx", ExportLayout::xlsx));
    EXPECT_EQ(
        (CsvRows{
            {"freeze", "C2"},
            {"s:Last Name", "s:First Name", "s:ID", "s:Quiz", "s:Quiz (3)", "s:Essay, \"final\"",
             "s:Quiz (2)", "s:Average", "s:Grade"},
            {"s:Points Possible*", "*", "*", "n:10*", "n:20*", "n:100*", "n:5*", "*", "*"},
            {"s:Sample", "s:Ann", "s:1001", "n:10", "n:20", "n:90", "n:5", "n:92.59", "s:A"},
            {"s:O'Brien, Jr.", "s:Zo\u00EB", "s:1002", "s:EX", "n:0", "n:0", "n:0", "n:0", "s:F"},
            {"s:=HYPERLINK(\"http://x\")", "s: -Bo", "s:-7", "n:10", "n:-3", "n:80", "n:5",
             "n:68.15", "s:D"}}),
        read_xlsx(folder() / "grades.xlsx"));
}

TEST_F(GradeExportTest, AFailedExportLeavesTheOldFileWhole) {
    const std::string csv = export_file_name(ExportLayout::canvas);
    EXPECT_EQ("Period 1 - Grades.csv", csv);
    write_file(csv, "old grades\r\n");

    // A file size limit stands in for a full disk.
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    rlimit small = original;
    small.rlim_cur = 64;
    const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Result full = export_grades(folder() / csv, ExportLayout::canvas);
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previous_handler);
    EXPECT_EQ("Could not export the grades to \"Period 1 - Grades.csv\": File too large.",
              full.message());
    EXPECT_EQ("old grades\r\n", read_file(csv));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator{folder()}, {}));
}

} // namespace
} // namespace quillmark::testing
