#include "classdata/program_folder.h"
#include "classdata/sample_class.h"
#include "classdata/text_encoding.h"
#include "support/class_fixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using ProgramFolderTest = testing::ClassFixture;

TEST(DefaultProgramFolder, FollowsXdgDataHomeElseHome) {
    EXPECT_EQ(default_program_folder("/data", "/home/t"), fs::path{"/data/Quillmark"});
    const fs::path under_home{"/home/t/.local/share/Quillmark"};
    EXPECT_EQ(default_program_folder(nullptr, "/home/t"), under_home);
    EXPECT_EQ(default_program_folder("", "/home/t"), under_home);
    EXPECT_EQ(default_program_folder("relative/data", "/home/t"), under_home);
    EXPECT_EQ(default_program_folder(nullptr, nullptr), fs::path{});

    const Result no_home = open_program_folder({});
    EXPECT_FALSE(no_home);
    EXPECT_NE(no_home.message().find("--folder"), std::string::npos);
}

TEST_F(ProgramFolderTest, CreatesAMissingFolderAndItsParentsOwnerOnly) {
    const fs::path classes = folder() / "share" / "Quillmark";
    ASSERT_TRUE(open_program_folder(classes.string() + "/"));
    EXPECT_EQ(program_folder(), classes);
    for (const fs::path& created : {classes, classes.parent_path()}) {
        EXPECT_EQ(fs::status(created).permissions(), fs::perms::owner_all) << created;
    }
    EXPECT_TRUE(fs::is_empty(classes));
}

TEST_F(ProgramFolderTest, RefusesWhatCannotHoldClassesAndCreatesNothing) {
    write_file("notes.txt", "keep");
    const fs::path file = folder() / "notes.txt";
    const std::vector<fs::path> refused = {file, file / "classes", "/proc/quillmark/classes",
                                           "/proc/self"};
    for (const fs::path& path : refused) {
        const Result opened = open_program_folder(path);
        ASSERT_FALSE(opened) << path;
        EXPECT_NE(opened.message().find("\"" + path.string() + "\""), std::string::npos)
            << opened.message();
        EXPECT_EQ(program_folder(), folder());
    }
    EXPECT_EQ(read_file("notes.txt"), "keep");
    EXPECT_FALSE(fs::exists("/proc/quillmark"));

    if (::geteuid() != 0) {
        const fs::path locked = folder() / "locked";
        fs::create_directory(locked);
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(open_program_folder(locked / "classes"));
        EXPECT_FALSE(open_program_folder(locked));
        EXPECT_TRUE(fs::is_empty(locked));
    }
}

TEST_F(ProgramFolderTest, TheSampleClassGoesOnlyIntoAnEmptyFolder) {
    const fs::path resources = folder() / "resources";
    const fs::path classes = folder() / "classes";
    fs::create_directories(resources);
    fs::create_directories(classes);
    write_file("resources/Sample.cls", "sample\r\n");

    place_sample_class(classes, folder() / "resources" / "missing.cls");
    EXPECT_TRUE(fs::is_empty(classes));

    place_sample_class(classes, resources / "Sample.cls");
    EXPECT_EQ(read_file("classes/Sample.cls"), "sample\r\n");

    write_file("classes/Sample.cls", "the teacher's own");
    place_sample_class(classes, resources / "Sample.cls");
    EXPECT_EQ(read_file("classes/Sample.cls"), "the teacher's own");

    fs::remove(classes / "Sample.cls");
    write_file("classes/qmk.dat", "zxqv\r\n");
    place_sample_class(classes, resources / "Sample.cls");
    EXPECT_FALSE(fs::exists(classes / "Sample.cls"));
}

} // namespace
} // namespace quillmark
