#include "classdata/class_data.h"
#include "classmanager/open_class.h"
#include "support/class_fixture.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using OpenClassTest = testing::ClassFixture;

TEST_F(OpenClassTest, TheSampleClassReadsWhole) {
    std::filesystem::copy_file(SAMPLE_CLASS_PATH, folder() / "Sample.cls");
    const Result opened = open_class("Sample.cls");
    ASSERT_TRUE(opened) << opened.message();

    EXPECT_EQ("Sample.cls", class_file);
    EXPECT_EQ("Ms. R. Alvarez", instructor);
    EXPECT_EQ(11, last_student());
    EXPECT_EQ(7, last_assignment());
    int excused_marks = 0;
    for (std::int16_t s = 0; s <= last_student(); ++s) {
        EXPECT_TRUE(student_used(s)) << s;
        for (std::int16_t a = 0; a <= last_assignment(); ++a) {
            EXPECT_LE(students[s].scores[a], asg_points[a]) << s << ", " << a;
            excused_marks += students[s].scores[a] == excused ? 1 : 0;
        }
    }
    EXPECT_EQ(1, excused_marks);
    EXPECT_EQ(90, grade_scale[1]);
    EXPECT_FALSE(use_plus);
}

TEST_F(OpenClassTest, AFailedOpenNamesTheFileAndLeavesNoPartOfIt) {
    // Readable up to a student index out of range.
    write_file("Broken.cls", "bpp992\r\nT. Sample\r\nepp999\r\nbsd000\r\n 0 \r\nAnn\r\nSample\r\n"
                             "1001\r\n\r\n\r\n\r\nbsb001\r\nesb001\r\n 301 \r\n");
    instructor = "Ms. R. Alvarez";
    class_file = "Period 1.cls";

    const Result broken = open_class("Broken.cls");
    ASSERT_FALSE(broken);
    EXPECT_NE(std::string::npos, broken.message().find("\"Broken.cls\"")) << broken.message();
    EXPECT_EQ("Ms. R. Alvarez", instructor);
    EXPECT_EQ("Period 1.cls", class_file);
    EXPECT_EQ("", students[0].id_number);

    EXPECT_EQ("Could not open \"Gone.cls\": No such file or directory.",
              open_class("Gone.cls").message());
}

} // namespace
} // namespace quillmark
