#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/command_line.h"
#include "classdata/resources.h"
#include "gradebook/help_texts.h"
#include "reports/grade_export.h"
#include "support/class_fixture.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace quillmark {
namespace {

namespace fs = std::filesystem;

TEST(CommandLine, ReadsEachOptionAndRefusesWhatDoesNotGoTogether) {
    using Arguments = std::vector<std::string_view>;
    const auto exported = read_command_line(
        {"--export", "Period 1", "--format=canvas", "--output", "g.csv", "--folder", "/f"});
    ASSERT_TRUE(exported);
    EXPECT_EQ("Period 1", exported->export_class);
    EXPECT_EQ("canvas", exported->format);
    EXPECT_EQ(fs::path{"g.csv"}, exported->output);
    EXPECT_EQ(fs::path{"/f"}, exported->folder);
    for (const Arguments& refused : {Arguments{"--folder="},
                                     {"-style", "fusion"},
                                     {"Sample.cls"},
                                     {"--export", "A", "--format", "excel"},
                                     {"--export", "A", "--format"},
                                     {"--output", "g.csv"},
                                     {"--list", "--export", "A", "--format", "moodle"}}) {
        EXPECT_FALSE(read_command_line(refused)) << refused.front() << " " << refused.size();
    }
}

// The program run as a teacher's shell would run it, without any display, so that a window
// opened by mistake ends it; its per-user data folder is the test's folder.
class ProgramTest : public testing::ClassFixture {
protected:
    struct Run {
        int status = -1;
        std::string out;
        std::string err;
        bool operator==(const Run&) const = default;
        friend void PrintTo(const Run& run, std::ostream* out) {
            *out << "status " << run.status << ", out \"" << run.out << "\", err \"" << run.err
                 << "\"";
        }
    };

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

    // A class with one graded student, saved in folder.
    static void save_period_1(const fs::path& folder) {
        clear_class();
        asg_title[0] = "Quiz";
        asg_points[0] = 10;
        students[0] = {"Zo\xEB", "Ng", "1001", {}, "", "", ""};
        students[0].scores[0] = 7;
        ASSERT_TRUE(save_class(folder / "Period 1.cls"));
    }

    static std::string grades(ExportFormat format) {
        std::ostringstream out;
        write_grades_csv(out, format);
        return out.str();
    }
};

// Without any display, so that a window opened before the refusal would end the program.
TEST_F(ProgramTest, AWrongCommandLineEndsItWithTheUsageLineBeforeAnything) {
    for (const std::string arguments :
         {"--bogus", "--export 'Period 1'", "--list --format canvas"}) {
        const Run bad = run(arguments);
        EXPECT_EQ(2, bad.status) << arguments;
        EXPECT_EQ("usage: quillmark [--folder DIR] [--list | --export CLASS --format "
                  "spreadsheet|canvas|moodle [--output FILE]]\n",
                  bad.err)
            << arguments;
    }
    EXPECT_FALSE(fs::exists(folder() / "Quillmark"));

    // A folder that cannot hold classes is refused before Qt would need a display.
    write_file("notes.txt", "not a folder");
    const std::string notes = (folder() / "notes.txt").string();
    EXPECT_EQ((Run{1, "",
                   "Quillmark cannot keep its classes in the folder \"" + notes +
                       "\": it is not a folder.\n"}),
              run("--folder '" + notes + "'"));

    const Run help = run("--help");
    EXPECT_EQ(0, help.status);
    for (const char* option : {"--folder", "--list", "--export", "--format", "--output", "--help",
                               "spreadsheet", "canvas", "moodle"}) {
        EXPECT_NE(std::string::npos, help.out.find(option)) << option;
    }
}

TEST_F(ProgramTest, ListsAndExportsClassesOfTheDataFolderOrTheGivenOne) {
    const fs::path data = folder() / "Quillmark";
    const fs::path stick = folder() / "stick";
    fs::create_directories(data);
    fs::create_directories(stick);
    save_period_1(stick);
    write_file("stick/a.web", "");
    write_file("stick/notes.txt", "");
    write_file("Quillmark/Other.cls", "");

    EXPECT_EQ((Run{0, "Other.cls\n", ""}), run("--list"));
    EXPECT_EQ((Run{0, "a.web\nPeriod 1.cls\n", ""}), run("--folder stick --list"));

    // With or without its ending, to standard output or to a file.
    EXPECT_EQ((Run{0, grades(ExportFormat::moodle), ""}),
              run("--folder=stick --export 'Period 1' --format moodle"));
    EXPECT_EQ((Run{0, "", ""}),
              run("--export 'Period 1.cls' --format spreadsheet --output out.csv --folder stick"));
    EXPECT_EQ(grades(ExportFormat::spreadsheet), read_file("out.csv"));

    // The data folder does not hold the stick's class.
    EXPECT_EQ((Run{1, "", "There is no class \"Period 1\" in \"" + data.string() + "\".\n"}),
              run("--export 'Period 1' --format canvas --output none.csv"));
    EXPECT_FALSE(fs::exists(folder() / "none.csv"));
    EXPECT_EQ(
        (Run{1, "", "Could not export the grades to \"g.csv\": No such file or directory.\n"}),
        run("--folder stick --export 'Period 1' --format canvas --output gone/g.csv"));
    write_file("stick/Period 1.web", "");
    EXPECT_EQ((Run{1, "",
                   "\"Period 1\" could be \"Period 1.cls\" or \"Period 1.web\": name the class "
                   "with its ending.\n"}),
              run("--folder stick --export 'Period 1' --format canvas"));
}

TEST_F(ProgramTest, ASetPasswordIsAskedForAndAWrongOneIsLogged) {
    const fs::path data = folder() / "Quillmark";
    fs::create_directories(data);
    save_period_1(data);
    write_file("Quillmark/qmk.dat", "s\xE9same\r\n");

    EXPECT_EQ((Run{1, "", "Incorrect password.\n"}),
              run("--export 'Period 1' --format moodle", "sesame\n"));
    EXPECT_EQ((Run{1, "", "Incorrect password.\n"}), run("--list", "\n"));
    // An input that ends before any line is no attempt.
    EXPECT_EQ((Run{1, "", "No password was given.\n"}), run("--list"));
    const std::string log = read_file("Quillmark/qmk.els");
    EXPECT_NE(std::string::npos, log.find(" sesame\r\n")) << log;
    EXPECT_EQ(2, std::count(log.begin(), log.end(), '\n')) << log;

    // Typed as UTF-8 on the command line's input; the log is left for the log-on window.
    EXPECT_EQ((Run{0, grades(ExportFormat::moodle), ""}),
              run("--export 'Period 1' --format moodle", "s\xC3\xA9same\r\n"));
    EXPECT_EQ(log, read_file("Quillmark/qmk.els"));

    // A password file too large to be one guards the classes all the same.
    const std::string large(5000, 'x');
    write_file("Quillmark/qmk.dat", large);
    const Run refused = run("--list", "\n");
    EXPECT_EQ(1, refused.status);
    EXPECT_TRUE(refused.err.starts_with("The password file \"qmk.dat\" holds more than"))
        << refused.err;
    EXPECT_EQ(large, read_file("Quillmark/qmk.dat"));
}

TEST(ProgramResources, ThePrioritySupportPageIsBesideTheProgramAndSpeaksOfIt) {
    const std::filesystem::path page =
        find_resource("support.html", std::filesystem::path{QUILLMARK_EXECUTABLE}.parent_path());
    ASSERT_TRUE(std::filesystem::is_regular_file(page)) << page;
    std::ostringstream text;
    text << std::ifstream{page}.rdbuf();
    EXPECT_NE(std::string::npos, text.str().find("<title>Quillmark Support</title>"));
    // Our page explains our own Help menu, entry by entry.
    for (const HelpEntry& entry : help_entries()) {
        EXPECT_NE(std::string::npos, text.str().find(entry.caption)) << entry.caption;
    }
}

} // namespace
} // namespace quillmark
