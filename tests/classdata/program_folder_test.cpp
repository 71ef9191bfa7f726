#include "classdata/program_folder.h"
#include "classdata/resources.h"
#include "classdata/sample_class.h"
#include "support/class_fixture.h"

#include <gtest/gtest.h>

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

TEST_F(ProgramFolderTest, ResourcesAreFoundBesideTheExecutableFirstThenInTheShareFolder) {
    const fs::path bin = folder() / "prefix" / "bin";
    const fs::path share = folder() / "prefix" / "share" / "quillmark";
    fs::create_directories(bin);
    fs::create_directories(share);
    write_file("prefix/share/quillmark/books.gif", "installed");
    EXPECT_EQ(fs::weakly_canonical(find_resource("books.gif", bin)),
              fs::weakly_canonical(share / "books.gif"));
    write_file("prefix/bin/books.gif", "built");
    EXPECT_EQ(find_resource("books.gif", bin), bin / "books.gif");
    EXPECT_FALSE(fs::exists(find_resource("shouse.gif", bin)));
}

} // namespace
} // namespace quillmark
