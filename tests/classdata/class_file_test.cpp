#include "classdata/atomic_file.h"
#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "support/class_fixture.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <vector>

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using ClassFileTest = testing::ClassFixture;

std::string crlf(const std::vector<std::string_view>& lines, std::string_view end = "\r\n") {
    std::string bytes;
    for (const std::string_view line : lines) {
        bytes.append(line).append(end);
    }
    return bytes;
}

const std::vector<std::string_view> example_lines = {
    "bpp992",   "T. Sample", "epp999", "bsd000", " 0 ",  "Ann",    "Sample", "1001",
    "555-0100", "12 Elm St", "",       "bsb001", " 0 ",  " 18 ",   "esb001", "esd000",
    "bad002",   " 0 ",       "Quiz 1", "",       " 20 ", "ead002", "bgs003", "False",
    "False",    " 0 ",       " 90 ",   " 0 ",    " 0 ",  " 80 ",   " 0 ",    " 0 ",
    " 70 ",     " 0 ",       " 0 ",    " 60 ",   " 0 ",  "egs003"};
const std::string worked_example = crlf(example_lines);
const std::string grading = crlf({example_lines.end() - 16, example_lines.end()});

std::string written() {
    std::ostringstream out;
    write_class(out);
    return out.str();
}

Result read(const std::string& bytes) {
    std::istringstream in{bytes};
    return read_class(in, "Period 1.cls");
}

TEST_F(ClassFileTest, WorkedExampleIsWrittenByteForByteAndLoadsBack) {
    clear_class();
    instructor = "T. Sample";
    students[0] = {"Ann", "Sample", "1001", {18}, "555-0100", "12 Elm St", ""};
    asg_title[0] = "Quiz 1";
    asg_points[0] = 20;
    ASSERT_TRUE(save_class(folder() / "Period 1.cls"));
    EXPECT_EQ(worked_example, read_file("Period 1.cls"));

    testing::reset_class_data();
    class_file = "Period 1.cls";
    ASSERT_TRUE(load_class());
    EXPECT_EQ(worked_example, written());
}

// Names, notes and the spare elements alone use no slot.
TEST_F(ClassFileTest, SlotsKeepTheirIndicesAcrossGapsAndUnusedDataIsLeftOut) {
    clear_class();
    students[7].id_number = "7";
    students[42] = {"Ann\nMarie", "", "42", {}, "", "", ""};
    asg_title[3] = "Quiz";
    asg_points[3] = -20;
    students[7].scores[3] = excused;
    students[7].scores[5] = 9; // assignment 5 is not in use
    students[9].first_name = "No ID";
    asg_notes[150] = "no title";
    students[student_slots].id_number = "spare";
    asg_title[assignment_slots] = "spare";
    EXPECT_EQ(crlf({"bpp992", "",       "epp999",    "bsd000", " 7 ",    "",       "",
                    "7",      "",       "",          "",       "bsb001", " 3 ",    "-1 ",
                    "esb001", " 42 ",   "Ann Marie", "",       "42",     "",       "",
                    "",       "bsb001", " 3 ",       " 0 ",    "esb001", "esd000", "bad002",
                    " 3 ",    "Quiz",   "",          "-20 ",   "ead002"}) +
                  grading,
              written());
}

TEST_F(ClassFileTest, OlderLayoutLoadsAndIsSavedExtended) {
    clear_class();
    ASSERT_TRUE(read(crlf({"T. Sample", "T. Sample", "epp999", "bsd000", " 0 ", "Ann", "Sample",
                           "1001", "bsb001", " 0 ", " 18 ", "esb001", "esd000", "bad002", " 0 ",
                           "Quiz 1", " 20 ", "ead002"}) +
                     grading));
    students[0].telephone = "555-0100";
    students[0].address = "12 Elm St";
    EXPECT_EQ(worked_example, written());
}

TEST_F(ClassFileTest, SpareSlotsAreReadButNeverWritten) {
    clear_class();
    ASSERT_TRUE(
        read(crlf({"bpp992", "",      "epp999", "bsd000", " 300 ", "A",     "B",      "9",
                   "",       "",      "",       "bsb001", " 200 ", " 5 ",   "esb001", "esd000",
                   "bad002", " 200 ", "Spare",  "",       " 10 ",  "ead002"}) +
             grading));
    EXPECT_EQ("9", students[300].id_number);
    EXPECT_EQ(5, students[300].scores[200]);
    EXPECT_EQ(10, asg_points[200]);
    EXPECT_EQ(crlf({"bpp992", "", "epp999", "bsd000", "esd000", "bad002", "ead002"}) + grading,
              written());
}

TEST_F(ClassFileTest, ReadingIsLenientWhereTheFormatAllows) {
    clear_class();
    // Bare line feeds; repeated blocks overwrite field by field; markers in text fields stay
    // text; numbers are rounded halves to even; flags in any case or as numbers.
    students[4].scores[2] = 7;
    ASSERT_TRUE(read(crlf(
        {"bpp992", "esd000", "x",      "x",      " 4 ",    "esb001", "esd000", "1",        "",
         "",       "",       "bsb001", " 0 ",    " 18.5 ", " 1 ",    "5",      "esb001",   " 4.4 ",
         "Ann",    "esb001", "1",      "esd000", "",       "",       "x",      "1",        "19.5",
         "2",      "abc",    "esb001", "esd000", "x",      " 1 ",    "Quiz",   "notes",    "  2 0",
         "ead002", "x",      "TRUE",   " -1 ",   "1",      "2",      "3",      "4",        "1e-999",
         "6",      "7",      "8",      "9",      "10",     "11",     "12",     "99999999", "Maybe"},
        "\n")));
    EXPECT_EQ("esd000", instructor);
    EXPECT_EQ("Ann", students[4].first_name);
    EXPECT_EQ("esb001", students[4].last_name);
    EXPECT_EQ("esd000", students[4].telephone);
    const std::array<std::int16_t, 3> scores{18, 20, 0};
    EXPECT_EQ(scores,
              (std::array{students[4].scores[0], students[4].scores[1], students[4].scores[2]}));
    EXPECT_EQ(20, asg_points[1]);
    EXPECT_TRUE(use_plus);
    EXPECT_TRUE(use_minus);
    EXPECT_EQ(0, grade_scale[4]);
    EXPECT_EQ(12, grade_scale[11]);
    EXPECT_EQ(0, grade_scale[12]);
}

TEST_F(ClassFileTest, OnlyStaleTemporaryFilesOfSavesAreRemoved) {
    const auto make = [this](const std::string& name, std::chrono::seconds age) {
        write_file(name, "kept");
        fs::last_write_time(folder() / name, fs::file_time_type::clock::now() - age);
    };
    const std::chrono::seconds hour{3600};
    make(".quillmark-a1B2c3.tmp", std::chrono::seconds{90});
    // A save may still be writing this one.
    make(".quillmark-Fresh1.tmp", std::chrono::seconds{30});
    const std::vector<std::string> near_misses = {
        ".quillmark-ABCDE.tmp", ".quillmark-ABCDEFG.tmp",    ".quillmark-AB_DEF.tmp",
        "quillmark-ABCDEF.tmp", ".quillmark-ABCDEF.tmp.cls", ".quillmark-ABCDEF.TMP"};
    for (const std::string& name : near_misses) {
        make(name, hour);
    }
    make("target", hour);
    fs::create_symlink(folder() / "target", folder() / ".quillmark-Linked.tmp");
    fs::create_directory(folder() / ".quillmark-Folder.tmp");

    remove_stale_temporary_files(folder());

    EXPECT_FALSE(fs::exists(folder() / ".quillmark-a1B2c3.tmp"));
    EXPECT_TRUE(fs::exists(folder() / ".quillmark-Fresh1.tmp"));
    for (const std::string& name : near_misses) {
        EXPECT_TRUE(fs::exists(folder() / name)) << name;
    }
    EXPECT_TRUE(fs::is_symlink(folder() / ".quillmark-Linked.tmp"));
    EXPECT_EQ("kept", read_file("target"));
    EXPECT_TRUE(fs::is_directory(folder() / ".quillmark-Folder.tmp"));
    remove_stale_temporary_files(folder() / "missing");
}

TEST_F(ClassFileTest, UnreadableFilesNameTheLineAndChangeNothing) {
    const auto with_line = [](std::size_t number, std::string_view text) {
        std::vector<std::string_view> lines = example_lines;
        lines[number - 1] = text;
        return crlf(lines);
    };
    const std::pair<std::string, std::string> cases[] = {
        {"", "line 1: the file ends too early"},
        {with_line(5, " 301 "), "line 5: student number 301 is out of range"},
        {with_line(13, " 201 "), "line 13: assignment number 201 is out of range"},
        {with_line(14, "-32769"), "line 14: the number is outside -32768 to 32767"},
        {with_line(27, " 1e999 "), "line 27: the number is outside -32768 to 32767"},
        {with_line(25, "Maybe"), "line 25: expected True or False"},
        // A marker with a blank after it is no marker.
        {with_line(16, "esd000 "), "line 39: the file ends too early"},
        // Student 0 a second time, after everything of the first one was stored.
        {with_line(16, " 0 "), "line 39: the file ends too early"},
    };
    clear_class();
    students[0] = {"Old", "Student", "7", {4}, "", "", ""};
    asg_title[0] = "Old quiz";
    use_minus = true;
    const std::string before = written();
    for (const auto& [bytes, reason] : cases) {
        const Result result = read(bytes);
        EXPECT_EQ("Could not read \"Period 1.cls\": " + reason + ".", result.message());
        EXPECT_EQ(before, written()) << reason;
    }
}

TEST_F(ClassFileTest, AFailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const auto file = folder() / "Period 1.cls";
    write_file("Period 1.cls", "old\r\n");
    clear_class();
    instructor = std::string(600, 'x');
    // A file size limit stands in for a full disk, and bites even for root.
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    rlimit small = original;
    small.rlim_cur = 512;
    const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Result full = save_class(file);
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previous_handler);
    EXPECT_EQ("Could not save \"Period 1.cls\": File too large.", full.message());

    // A read-only class is left alone; otherwise the file keeps its permissions.
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ("Could not save \"Period 1.cls\": the file is read-only.",
              save_class(file).message());
    EXPECT_EQ("old\r\n", read_file("Period 1.cls"));
    EXPECT_EQ(1, std::distance(fs::directory_iterator{folder()}, {}));
    fs::permissions(file, fs::perms{0640});
    ASSERT_TRUE(save_class(file));
    EXPECT_EQ(written(), read_file("Period 1.cls"));
    EXPECT_EQ(fs::perms{0640}, fs::status(file).permissions());
}

} // namespace
} // namespace quillmark
