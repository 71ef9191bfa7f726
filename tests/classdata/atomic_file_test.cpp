#include "classdata/atomic_file.h"
#include "support/class_fixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quillmark {
namespace {

using AtomicFileTest = testing::ClassFixture;

std::size_t files_in(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator{folder},
                                                  std::filesystem::directory_iterator{}));
}

TEST_F(AtomicFileTest, ReplacesTheFileAndLeavesNoTemporaryFile) {
    write_file("qmk.dat", "old\r\n");
    ASSERT_TRUE(write_file_atomically(folder() / "qmk.dat", "secret\r\n", FileAccess::owner_only));
    EXPECT_EQ("secret\r\n", read_file("qmk.dat"));
    EXPECT_EQ(1U, files_in(folder()));

    struct stat status {};
    ASSERT_EQ(0, ::stat((folder() / "qmk.dat").c_str(), &status));
    EXPECT_EQ(0600U, status.st_mode & 0777U);
}

TEST_F(AtomicFileTest, AFailedWriteKeepsTheOldFileAndNamesIt) {
    // A folder where the file should be cannot be replaced by a file.
    std::filesystem::create_directory(folder() / "Period 1.cls");
    const Result result = write_file_atomically(folder() / "Period 1.cls", "new");
    ASSERT_FALSE(result);
    EXPECT_NE(std::string::npos, result.message().find("\"Period 1.cls\"")) << result.message();
    EXPECT_TRUE(std::filesystem::is_directory(folder() / "Period 1.cls"));
    EXPECT_EQ(1U, files_in(folder()));

    EXPECT_FALSE(write_file_atomically(folder() / "gone" / "Period 2.cls", "new"));
}

} // namespace
} // namespace quillmark
