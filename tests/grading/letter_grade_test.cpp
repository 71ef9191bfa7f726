#include "classdata/class_data.h"
#include "grading/letter_grade.h"
#include "support/class_fixture.h"

namespace quillmark {
namespace {

class LetterGradeTest : public testing::ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        clear_class();
    }
};

TEST_F(LetterGradeTest, DefaultScaleComparesUnroundedPercentages) {
    EXPECT_EQ("A ", letter_grade(90));
    EXPECT_EQ("B ", letter_grade(89.99));
    EXPECT_EQ("F ", letter_grade(59.5));
    EXPECT_EQ("F ", letter_grade(-20));
    EXPECT_EQ("A ", letter_grade(130));
}

TEST_F(LetterGradeTest, PlusAndMinusBandsCountOnlyWhileInUse) {
    grade_scale = {97, 93, 90, 87, 83, 80, 77, 73, 70, 67, 63, 60, 0, 0};
    use_plus = true;
    use_minus = true;
    EXPECT_EQ("A+", letter_grade(97));
    EXPECT_EQ("A-", letter_grade(92));
    EXPECT_EQ("B-", letter_grade(80));
    EXPECT_EQ("C+", letter_grade(79.5));
    EXPECT_EQ("F ", letter_grade(59));

    use_plus = false;
    EXPECT_EQ("A ", letter_grade(97));
    EXPECT_EQ("B-", letter_grade(80));
    use_minus = false;
    EXPECT_EQ("B ", letter_grade(92));
    EXPECT_EQ("C ", letter_grade(79.5));
}

TEST_F(LetterGradeTest, PlusBandWithBoundZeroCatchesEveryNonNegativePercentage) {
    use_plus = true;
    grade_scale[0] = 0;
    EXPECT_EQ("A+", letter_grade(0));
    EXPECT_EQ("F ", letter_grade(-0.01));
}

} // namespace
} // namespace quillmark
