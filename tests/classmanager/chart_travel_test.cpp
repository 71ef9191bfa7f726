#include "classmanager/class_files.h"
#include "support/class_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

using ChartTravelTest = testing::ClassFixture;

TEST_F(ChartTravelTest, RenameAndDeleteTakeTheSeatingChartAlong) {
    write_file("Period 1.cls", "class");
    write_file("Period 1.chart", "chart");
    ASSERT_TRUE(rename_class_file(folder(), "Period 1.cls", "Algebra"));
    EXPECT_EQ("chart", read_file("Algebra.chart"));
    EXPECT_FALSE(std::filesystem::exists(folder() / "Period 1.chart"));

    // A chart that cannot move keeps the class under its old name.
    std::filesystem::create_directories(folder() / "Geometry.chart" / "inside");
    EXPECT_TRUE(rename_class_file(folder(), "Algebra.cls", "Geometry")
                    .message()
                    .starts_with("Could not rename \"Algebra.chart\": "));
    EXPECT_EQ("class", read_file("Algebra.cls"));
    std::filesystem::remove_all(folder() / "Geometry.chart");

    ASSERT_TRUE(delete_class_file(folder(), "Algebra.cls"));
    EXPECT_TRUE(std::filesystem::is_empty(folder()));
}

} // namespace
} // namespace quillmark
