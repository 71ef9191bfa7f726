#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/command_line.h"
#include "reports/grade_export.h"
#include "support/class_fixture.h"
#include "support/xlsx_reader.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <tuple>

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using testing::CsvRows;
using testing::read_xlsx;

TEST(CommandLine, ReadsEachOptionAndRefusesWhatDoesNotGoTogether) {
    using Arguments = std::vector<std::string_view>;
    std::string problem;
    // "-" is standard output.
    const auto to_output = read_command_line(
        {"--output", "g.csv", "--export", "A", "--format", "xlsx", "--output=-"}, problem);
    ASSERT_TRUE(to_output);
    EXPECT_EQ(std::nullopt, to_output->output);

    // Only a format that is not one is named.
    for (const auto& [refused, named] : std::vector<std::pair<Arguments, std::string>>{
             {{"--export", "A", "--format", "excel"},
              "--format \"excel\" is not a format; choose spreadsheet, canvas, moodle or xlsx."},
             {{"--output", "-"}, ""},
             {{"--list", "--export", "A", "--format", "moodle"}, ""}}) {
        EXPECT_FALSE(read_command_line(refused, problem)) << refused.front() << refused.size();
        EXPECT_EQ(named, problem);
    }
}

// The program run as a teacher's shell would run it, without any display, so that a window
// opened by mistake ends it; its per-user data folder is the test's folder.
class ProgramTest : public testing::ClassFixture {
protected:
    // The exit status, the standard output and the standard error.
    using Run = std::tuple<int, std::string, std::string>;

    Run run(const std::string& arguments, const std::string& input = "") {
        write_file("input.txt", input);
        const std::string command =
            "cd '" + folder().string() +
            "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME='" +
            folder().string() + "' '" QUILLMARK_EXECUTABLE "' " + arguments +
            " <input.txt >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status)) << arguments;
        return {WEXITSTATUS(status), read_file("out.txt"), read_file("err.txt")};
    }

    // A class with one student graded on two assignments, saved in folder.
    static void save_period_1(const fs::path& folder) {
        clear_class();
        asg_title[0] = "Quiz";
        asg_points[0] = 10;
        asg_title[1] = "Test";
        asg_points[1] = 100;
        students[0] = {"Zo\xEB", "Ng", "1001", {}, "", "", ""};
        students[0].scores[0] = 7;
        students[0].scores[1] = 50;
        ASSERT_TRUE(save_class(folder / "Period 1.cls"));
    }

    static std::string grades(ExportFormat format) {
        std::ostringstream out;
        write_grades_csv(out, format);
        return out.str();
    }
};

TEST_F(ProgramTest, AnswersEachCommandLineOnItsOwnOutputsAndStatus) {
    for (const char* inside : {"Quillmark", "stick", "locked"}) {
        fs::create_directories(folder() / inside);
        save_period_1(folder() / inside);
    }
    write_file("Quillmark/Period 1.web", "");
    write_file("locked/qmk.dat", "s\xE9same\r\n");
    const std::string usage = "usage: quillmark [--folder DIR] [--list | --export CLASS --format "
                              "spreadsheet|canvas|moodle|xlsx [--output FILE]]\n";
    const std::string moodle = grades(ExportFormat::moodle);
    struct Row {
        std::string arguments;
        Run expected;
        std::string input = "";
    };
    for (const Row& row : std::vector<Row>{
             {"--bogus", {2, "", usage}},
             {"--version", {0, "Quillmark " QUILLMARK_VERSION "\n", ""}},
             {"--list", {0, "Period 1.cls\nPeriod 1.web\n", ""}},
             // Never over one of the program folder's own files: the next run reads it whole.
             {"--folder stick --export 'Period 1' --format spreadsheet --output 'stick/Period "
              "1.cls'",
              {1, "",
               "\"Period 1.cls\" is one of Quillmark's own files; export the grades to another "
               "file.\n"}},
             {"--folder=stick --export 'Period 1.cls' --format moodle --output -", {0, moodle, ""}},
             {"--export 'Period 1' --format canvas",
              {1, "",
               "\"Period 1\" could be \"Period 1.cls\" or \"Period 1.web\": name the class "
               "with its ending.\n"}},
             {"--folder locked --export 'Period 1' --format moodle",
              {1, "", "Incorrect password.\n"},
              "sesame\n"},
             {"--folder locked --list", {1, "", "Incorrect password.\n"}, "\n"},
             // An input that ends before any line is no attempt.
             {"--folder locked --list", {1, "", "No password was given.\n"}},
             // Typed as UTF-8; the log is left for the log-on window.
             {"--folder locked --export 'Period 1' --format moodle",
              {0, moodle, ""},
              "s\xC3\xA9same\r\n"}}) {
        SCOPED_TRACE(row.arguments);
        EXPECT_EQ(row.expected, run(row.arguments, row.input));
    }
    const std::string log = read_file("locked/qmk.els");
    EXPECT_NE(std::string::npos, log.find(" sesame\r\n")) << log;
    EXPECT_EQ(2, std::ranges::count(log, '\n')) << log;

    const Run help_run = run("--help");
    const std::string& help = std::get<1>(help_run);
    EXPECT_EQ((Run{0, help, ""}), help_run);
    EXPECT_EQ(help_run, run("-h"));
    for (const char* option :
         {"--folder", "--list", "--export", "--format", "--output", "--help", "spreadsheet",
          "canvas", "moodle", "xlsx", "--version", "\"ID number\""}) {
        EXPECT_NE(std::string::npos, help.find(option)) << option;
    }
}

// No categories file, an empty one and one switched off give the same exports (the workbook cell
// for cell); a file that cannot be read stops the export rather than give other figures.
TEST_F(ProgramTest, OnlyCategoriesInUseChangeTheExportAndUnreadableOnesStopIt) {
    fs::create_directories(folder() / "Quillmark");
    save_period_1(folder() / "Quillmark");
    const std::string categories = "Quillmark/Period 1.categories";
    const std::string off = R"({"version": 1, "use_weighted_categories": false, "categories": )";
    const std::array<std::string, 2> files_in_use_or_not{
        off + R"([], "assignments": []})", off + R"([{"name": "Q", "weight": 50, "drop_lowest": 0},
            {"name": "T", "weight": 50, "drop_lowest": 0}],
            "assignments": [{"slot": 0, "category": 0}, {"slot": 1, "category": 1}]})"};
    for (const std::string format : {"spreadsheet", "canvas", "moodle", "xlsx"}) {
        // openpyxl reads a workbook by the name's ending.
        const std::string out = format == "xlsx" ? "out.xlsx" : "out.csv";
        const auto exported = [&] {
            EXPECT_EQ((Run{0, "", ""}),
                      run("--export 'Period 1' --format " + format + " --output " + out));
            return format == "xlsx" ? read_xlsx(folder() / out) : CsvRows{{read_file(out)}};
        };
        fs::remove(folder() / categories);
        const CsvRows without = exported();
        if (format != "xlsx") {
            std::string reason;
            EXPECT_EQ(grades_file(*export_layout_named(format), reason), without.front().front());
        }
        for (const std::string& file : files_in_use_or_not) {
            write_file(categories, file);
            EXPECT_EQ(without, exported()) << format << file;
        }
    }

    write_file(categories, "{");
    fs::remove(folder() / "out");
    const auto [status, out, err] = run("--export 'Period 1' --format spreadsheet --output out");
    EXPECT_EQ(1, status);
    EXPECT_TRUE(err.starts_with("The categories of \"Period 1.cls\" could not be read: ")) << err;
    EXPECT_TRUE(err.ends_with("\nThe grades were not exported.\n")) << err;
    EXPECT_FALSE(fs::exists(folder() / "out"));
}

} // namespace
} // namespace quillmark
