#include "classdata/command_line.h"
#include "classdata/resources.h"
#include "gradebook/help_texts.h"
#include "support/class_fixture.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace quillmark {
namespace {

TEST(CommandLine, TakesOnlyTheFolderOption) {
    using Arguments = std::vector<std::string_view>;
    const auto none = read_command_line({});
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->folder);
    for (const Arguments& given :
         {Arguments{"--folder", "/media/stick/classes"}, {"--folder=/media/stick/classes"}}) {
        const auto options = read_command_line(given);
        ASSERT_TRUE(options);
        EXPECT_EQ(options->folder, std::filesystem::path{"/media/stick/classes"});
    }
    for (const Arguments& refused : {Arguments{"--folder"},
                                     {"--folder", ""},
                                     {"--folder="},
                                     {"-style", "fusion"},
                                     {"--folders=x"},
                                     {"Sample.cls"}}) {
        EXPECT_FALSE(read_command_line(refused)) << refused.front();
    }
}

class ProgramTest : public testing::ClassFixture {
protected:
    // Runs the program with no display, its errors going to errors.txt; returns its exit status,
    // or -1 when it did not exit by itself (Qt aborts it where there is no display).
    int run_without_display(const std::string& arguments) const {
        const std::string errors = (folder() / "errors.txt").string();
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "
                                    "XDG_DATA_HOME='" +
                                    folder().string() + "' '" QUILLMARK_EXECUTABLE "' " +
                                    arguments + " 2>'" + errors + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

// A window opened before the refusal would end the program otherwise.
TEST_F(ProgramTest, RefusalsComeOnATerminalWithoutADisplay) {
    EXPECT_EQ(run_without_display("--bogus"), 2);
    EXPECT_EQ(read_file("errors.txt"), "usage: quillmark [--folder DIR]\n");
    EXPECT_FALSE(std::filesystem::exists(folder() / "Quillmark"));

    write_file("notes.txt", "not a folder");
    const std::string notes = (folder() / "notes.txt").string();
    EXPECT_EQ(run_without_display("--folder '" + notes + "'"), 1);
    EXPECT_EQ(read_file("errors.txt"), "Quillmark cannot keep its classes in the folder \"" +
                                           notes + "\": it is not a folder.\n");
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
