#include "classdata/program_folder.h"
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
    place_sample_class(folder() / "classes", folder() / "Sample.cls");
    EXPECT_EQ(read_file("classes/Sample.cls"), "sample\r\n");

    write_file("classes/Sample.cls", "the teacher's own");
    place_sample_class(folder() / "classes", folder() / "Sample.cls");
    EXPECT_EQ(read_file("classes/Sample.cls"), "the teacher's own");
}

} // namespace
} // namespace quillmark
