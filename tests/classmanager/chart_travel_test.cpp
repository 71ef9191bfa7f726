#include "classmanager/class_files.h"
#include "support/class_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

using ChartTravelTest = testing::ClassFixture;

TEST_F(ChartTravelTest, RenamingAClassRenamesItsChartAndDeletingDeletesIt) {
    write_file("Period 1.cls", "class");
    write_file("Period 1.chart", "chart");
    write_file("Period 2.web", "web class");

    ASSERT_TRUE(rename_class_file(folder(), "Period 1.cls", "Algebra"));
    EXPECT_FALSE(std::filesystem::exists(folder() / "Period 1.chart"));
    EXPECT_EQ("chart", read_file("Algebra.chart"));

    // A class without a chart renames and deletes as before.
    ASSERT_TRUE(rename_class_file(folder(), "Period 2.web", "Period 1"));
    EXPECT_FALSE(std::filesystem::exists(folder() / "Period 1.chart"));
    ASSERT_TRUE(delete_class_file(folder(), "Period 1.cls"));

    ASSERT_TRUE(delete_class_file(folder(), "Algebra.cls"));
    EXPECT_TRUE(std::filesystem::is_empty(folder()));
}

TEST_F(ChartTravelTest, AChartThatCannotMoveKeepsTheClassUnderItsOldName) {
    write_file("Period 1.cls", "class");
    write_file("Period 1.chart", "chart");
    // A folder in the new chart's place cannot be replaced by a file.
    std::filesystem::create_directories(folder() / "Algebra.chart" / "inside");

    const Result renamed = rename_class_file(folder(), "Period 1.cls", "Algebra");
    EXPECT_TRUE(renamed.message().starts_with("Could not rename \"Period 1.chart\": "))
        << renamed.message();
    EXPECT_EQ("class", read_file("Period 1.cls"));
    EXPECT_EQ("chart", read_file("Period 1.chart"));
    EXPECT_FALSE(std::filesystem::exists(folder() / "Algebra.cls"));
}

} // namespace
} // namespace quillmark
