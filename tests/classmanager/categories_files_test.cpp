#include "classmanager/backup.h"
#include "classmanager/class_files.h"
#include "support/class_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using CategoriesFilesTest = testing::ClassFixture;
using Names = std::vector<std::string>;

Names files_in(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator{folder}) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

TEST_F(CategoriesFilesTest, RenameDeleteBackupAndRestoreCarryTheCategories) {
    write_file("Period 1.cls", "class");
    write_file("Period 1.chart", "chart");
    write_file("Period 1.categories", "categories");
    ASSERT_TRUE(rename_class_file(folder(), "Period 1.cls", "Algebra"));
    EXPECT_EQ((Names{"Algebra.categories", "Algebra.chart", "Algebra.cls"}), files_in(folder()));
    EXPECT_EQ("categories", read_file("Algebra.categories"));

    // Categories are never replaced: the class and its chart keep their old names.
    write_file("Geometry.categories", "other");
    EXPECT_EQ("A categories file named \"Geometry.categories\" already exists; the class was not "
              "renamed.",
              rename_class_file(folder(), "Algebra.cls", "Geometry").message());
    EXPECT_EQ("other", read_file("Geometry.categories"));
    fs::remove(folder() / "Geometry.categories");
    EXPECT_EQ((Names{"Algebra.categories", "Algebra.chart", "Algebra.cls"}), files_in(folder()));

    const fs::path drive = folder() / "drive";
    fs::create_directory(drive);
    ASSERT_TRUE(backup_classes({"Algebra.cls"}, drive));
    EXPECT_EQ((Names{"Algebra.categories", "Algebra.chart", "Algebra.cls"}), files_in(drive));

    ASSERT_TRUE(delete_class_file(folder(), "Algebra.cls"));
    EXPECT_EQ((Names{"drive"}), files_in(folder()));

    ASSERT_TRUE(restore_classes({"Algebra.cls"}, drive));
    EXPECT_EQ("categories", read_file("Algebra.categories"));
}

} // namespace
} // namespace quillmark
