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

namespace fs = std::filesystem;

// A class that needs every rule of the layouts: unused slots between used ones, a title used
// twice beside one that already reads like its numbered form, excused, zero and negative scores,
// names with commas, quotes, blanks, accents (Windows-1252) and a formula.
class GradeExportTest : public ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        clear_class();
        class_file = "Period 1.cls";
        add_assignment(0, "Quiz", 10);
        add_assignment(2, "Quiz", 20);
        add_assignment(3, "Essay, \"final\"", 100);
        add_assignment(5, "Quiz (2)", 5);
        add_student(0, "Sample", "Ann", "1001", {10, 0, 20, 90, 0, 5});
        add_student(2, "O'Brien, Jr.", "Zo\xEB", "1002", {excused, 0, 0, 0, 0, 0});
        add_student(3, "=HYPERLINK(\"http://x\")", " -Bo", "-7", {10, 0, -3, 80, 0, 5});
    }

    static void add_assignment(std::int16_t slot, const std::string& title, std::int16_t points) {
        asg_title[slot] = title;
        asg_points[slot] = points;
    }

    static void add_student(std::int16_t slot, const std::string& last, const std::string& first,
                            const std::string& id, std::initializer_list<std::int16_t> scores) {
        students[slot].last_name = last;
        students[slot].first_name = first;
        students[slot].id_number = id;
        std::copy(scores.begin(), scores.end(), students[slot].scores.begin());
    }

    static std::string exported(ExportFormat format) {
        std::ostringstream out;
        write_grades_csv(out, format);
        return out.str();
    }

    static void expect_cells(const CsvRows& expected, const CsvRows& read) {
        ASSERT_EQ(expected.size(), read.size());
        for (std::size_t r = 0; r < expected.size(); ++r) {
            EXPECT_EQ(expected[r], read[r]) << "row " << r;
        }
    }
};

// Every row ends in CR LF, the last one included.
void expect_crlf_rows(std::string_view text, std::size_t rows) {
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++breaks;
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "at byte " << i;
        }
    }
    EXPECT_EQ(rows, breaks);
    EXPECT_TRUE(text.ends_with("\r\n"));
}

TEST_F(GradeExportTest, SpreadsheetLayoutCellForCellWithFormulasDisarmed) {
    const std::string text = exported(ExportFormat::spreadsheet);
    ASSERT_TRUE(text.starts_with("\xEF\xBB\xBF"));
    expect_crlf_rows(text, 5);
    // Quotes only where needed, and a number-like ID or score is left as it is.
    EXPECT_NE(text.find("\r\nSample,Ann,1001,10,20,90,5,92.59,A\r\n"), std::string::npos);
    EXPECT_NE(text.find(",-7,10,-3,80,5,68.15,D\r\n"), std::string::npos);

    expect_cells({{"Last Name", "First Name", "ID", "Quiz", "Quiz (3)", "Essay, \"final\"",
                   "Quiz (2)", "Average", "Grade"},
                  {"Points Possible", "", "", "10", "20", "100", "5", "", ""},
                  {"Sample", "Ann", "1001", "10", "20", "90", "5", "92.59", "A"},
                  {"O'Brien, Jr.", "Zo\u00EB", "1002", "EX", "0", "0", "0", "0.00", "F"},
                  {"'=HYPERLINK(\"http://x\")", " -Bo", "-7", "10", "-3", "80", "5", "68.15", "D"}},
                 read_csv(std::string_view{text}.substr(3)));

    // Plus and at signs start formulas too.
    students[3].first_name = "+Bo";
    students[3].last_name = "@Lee";
    const CsvRows read = read_csv(std::string_view{exported(ExportFormat::spreadsheet)}.substr(3));
    EXPECT_EQ("'@Lee", read[4][0]);
    EXPECT_EQ("'+Bo", read[4][1]);
}

TEST_F(GradeExportTest, CanvasAndMoodleLayoutsCellForCellWithoutByteOrderMark) {
    const std::string canvas = exported(ExportFormat::canvas);
    EXPECT_EQ('S', canvas.front());
    expect_crlf_rows(canvas, 5);
    expect_cells({{"Student", "ID", "SIS User ID", "SIS Login ID", "Section", "Quiz", "Quiz (3)",
                   "Essay, \"final\"", "Quiz (2)"},
                  {"Points Possible", "", "", "", "", "10", "20", "100", "5"},
                  {"Sample, Ann", "", "1001", "", "", "10", "20", "90", "5"},
                  {"O'Brien, Jr., Zo\u00EB", "", "1002", "", "", "EX", "0", "0", "0"},
                  // No apostrophe: a school system would keep it as part of the name.
                  {"=HYPERLINK(\"http://x\"),  -Bo", "", "-7", "", "", "10", "-3", "80", "5"}},
                 read_csv(canvas));

    const std::string moodle = exported(ExportFormat::moodle);
    expect_crlf_rows(moodle, 4);
    expect_cells({{"ID number", "Quiz", "Quiz (3)", "Essay, \"final\"", "Quiz (2)"},
                  {"1001", "10", "20", "90", "5"},
                  {"1002", "", "0", "0", "0"},
                  {"-7", "10", "-3", "80", "5"}},
                 read_csv(moodle));

    // A class without students or assignments still gives a header a school system accepts.
    clear_class();
    EXPECT_EQ("ID number\r\n", exported(ExportFormat::moodle));
    EXPECT_EQ("\xEF\xBB\xBFLast Name,First Name,ID,Average,Grade\r\nPoints Possible,,,,\r\n",
              exported(ExportFormat::spreadsheet));
}

TEST_F(GradeExportTest, ExportFileIsReplacedWholeOrNotAtAll) {
    EXPECT_EQ("Period 1 - Grades.csv", export_file_name());
    const fs::path file = folder() / export_file_name();
    const std::string old_bytes = "old grades\r\n";
    write_file(export_file_name(), old_bytes);

    // A file size limit stands in for a full disk.
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    rlimit small = original;
    small.rlim_cur = 64;
    const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Result full = export_grades(file, ExportFormat::canvas);
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previous_handler);
    EXPECT_EQ("Could not export the grades to \"Period 1 - Grades.csv\": File too large.",
              full.message());
    EXPECT_EQ(old_bytes, read_file(export_file_name()));
    EXPECT_EQ(1, std::distance(fs::directory_iterator{folder()}, {}));

    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ("Could not export the grades to \"Period 1 - Grades.csv\": the file is read-only.",
              export_grades(file, ExportFormat::moodle).message());
    EXPECT_EQ(old_bytes, read_file(export_file_name()));

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(export_grades(file, ExportFormat::moodle));
    EXPECT_EQ(exported(ExportFormat::moodle), read_file(export_file_name()));
    EXPECT_EQ("Could not export the grades to \"x.csv\": No such file or directory.",
              export_grades(folder() / "missing" / "x.csv", ExportFormat::moodle).message());
}

} // namespace
} // namespace quillmark::testing
