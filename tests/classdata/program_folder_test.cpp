#include "classdata/program_folder.h"
#include "classdata/resources.h"
#include "classdata/sample_class.h"
#include "support/class_fixture.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using ProgramFolderTest = testing::ClassFixture;

TEST_F(ProgramFolderTest, CreatesAMissingFolderAndItsParentsOwnerOnly) {
    const fs::path classes = folder() / "share" / "Quillmark";
    ASSERT_TRUE(open_program_folder(classes.string() + "/"));
    EXPECT_EQ(program_folder(), classes);
    for (const fs::path& created : {classes, classes.parent_path()}) {
        EXPECT_EQ(fs::status(created).permissions(), fs::perms::owner_all) << created;
    }
    EXPECT_TRUE(fs::is_empty(classes));
}

TEST_F(ProgramFolderTest, TheSampleClassGoesOnlyIntoAnEmptyFolder) {
    fs::create_directories(folder() / "classes");
    write_file("Sample.cls", "sample\r\n");
    place_sample_class(folder() / "classes", folder() / "missing.cls");
    EXPECT_TRUE(fs::is_empty(folder() / "classes"));
    place_sample_class(folder() / "classes", folder() / "Sample.cls");
    EXPECT_EQ(read_file("classes/Sample.cls"), "sample\r\n");

    write_file("classes/Sample.cls", "the teacher's own");
    place_sample_class(folder() / "classes", folder() / "Sample.cls");
    EXPECT_EQ(read_file("classes/Sample.cls"), "the teacher's own");
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
