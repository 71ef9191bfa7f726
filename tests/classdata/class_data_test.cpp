#include "classdata/class_data.h"
#include "support/class_fixture.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using ClassDataTest = testing::ClassFixture;

TEST_F(ClassDataTest, ClearClassRestoresDefaultsAndKeepsRunValues) {
    students[3].id_number = "7";
    students[3].scores[5] = 9;
    students[300].id_number = "spare";
    asg_title[4] = "Quiz";
    asg_points[4] = 20;
    grade_scale[12] = 5;
    use_plus = true;
    top_student = 40;
    instructor = "T. Sample";
    class_file = "Period 1.cls";
    selected_student = 3;

    clear_class();

    EXPECT_TRUE(students[3].id_number.empty());
    EXPECT_EQ(0, students[3].scores[5]);
    EXPECT_TRUE(asg_title[4].empty());
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        ASSERT_EQ(100, asg_points[a]) << a;
    }
    const std::array<std::int16_t, 14> expected_scale{0, 90, 0, 0, 80, 0, 0, 70, 0, 0, 60, 0, 5, 0};
    EXPECT_EQ(expected_scale, grade_scale);
    EXPECT_FALSE(use_plus);
    EXPECT_EQ(0, top_student);
    EXPECT_EQ("T. Sample", instructor);
    EXPECT_EQ("Period 1.cls", class_file);
    EXPECT_EQ(3, selected_student);
    EXPECT_EQ("spare", students[300].id_number);
    EXPECT_EQ(0, asg_points[200]);
}

TEST_F(ClassDataTest, LastSlotsFindTheHighestUsedSlotAndIgnoreSpares) {
    EXPECT_EQ(0, last_student());
    EXPECT_EQ(0, last_assignment());

    students[5].id_number = "5";
    students[17].id_number = "17";
    students[20].first_name = "Names alone";
    students[300].id_number = "spare";
    asg_title[0] = "Only";
    asg_title[200] = "spare";

    EXPECT_EQ(17, last_student());
    EXPECT_EQ(0, last_assignment());
    asg_title[199] = "Last";
    EXPECT_EQ(199, last_assignment());
}

} // namespace
} // namespace quillmark
