#include "classdata/class_data.h"
#include "grading/curve.h"
#include "grading/letter_grade.h"
#include "grading/number_text.h"
#include "grading/statistics.h"
#include "support/class_fixture.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace quillmark {
namespace {

using Shares = std::array<double, 5>;
using Scores = std::vector<std::int16_t>;

// The shares of A to F on one assignment, or over the class when none is given.
Shares shares(std::optional<std::int16_t> assignment = std::nullopt) {
    Shares s{-1, -1, -1, -1, -1};
    if (assignment) {
        assignment_distribution(*assignment, s[0], s[1], s[2], s[3], s[4]);
    } else {
        class_distribution(s[0], s[1], s[2], s[3], s[4]);
    }
    return s;
}

class GradingTest : public testing::ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        clear_class();
    }

    static void add_assignment(std::int16_t slot, std::int16_t points) {
        asg_title[slot] = "Assignment " + std::to_string(slot);
        asg_points[slot] = points;
    }
    // A used student with the given scores on assignments 0, 1, 2, ...
    static void add_student(std::int16_t slot, std::initializer_list<std::int16_t> scores) {
        students[slot].id_number = "ID" + std::to_string(slot);
        std::ranges::copy(scores, students[slot].scores.begin());
    }
    // A class of assignment 0 alone, with one used student per score.
    static void one_assignment(std::int16_t points, const Scores& scores) {
        clear_class();
        add_assignment(0, points);
        for (std::size_t s = 0; s < scores.size(); ++s) {
            add_student(static_cast<std::int16_t>(s), {scores[s]});
        }
    }
};

TEST_F(GradingTest, LetterGradesCompareUnroundedPercentagesWithTheBandsInUse) {
    EXPECT_EQ("A ", letter_grade(90));
    EXPECT_EQ("B ", letter_grade(89.99));
    grade_scale = {97, 93, 90, 87, 83, 80, 77, 73, 70, 67, 63, 60, 0, 0};
    use_plus = true;
    use_minus = true;
    EXPECT_EQ("A+", letter_grade(97));
    EXPECT_EQ("C+", letter_grade(79.5));
    use_plus = false;
    EXPECT_EQ("B-", letter_grade(80));
    use_minus = false;
    EXPECT_EQ("B ", letter_grade(92));
}

TEST(NumberTextTest, SignPositionThenPlainDecimalOrExponentByTheRoundedValue) {
    const std::pair<double, const char*> rows[] = {{-0.0, " 0"},
                                                   {-0.25, "-.25"},
                                                   {28.999999999999996, " 29"},
                                                   {0.00001, " 1E-05"},
                                                   {1e15, " 1E+15"},
                                                   {999999999999999.9, " 1E+15"},
                                                   {0.0000999999999999999999, " .0001"}};
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(text, number_text(value)) << value;
    }
}

TEST_F(GradingTest, AssignmentFiguresCountOnlyUsedStudentsAndCountedScores) {
    one_assignment(10, {8, 10, excused});
    students[5].scores[0] = 1; // a slot without an ID number
    EXPECT_DOUBLE_EQ(0.9, assignment_average(0));
    EXPECT_NEAR(0.1, assignment_std_dev(0), 1e-12);
    EXPECT_EQ(9, assignment_mean_score(0));
}

TEST_F(GradingTest, ClassFiguresWeighEveryUsedStudentAlikeAndDistributionsFoldPlusAndMinus) {
    add_assignment(0, 10);
    add_assignment(1, 10);
    add_student(0, {9, 9});
    add_student(1, {7, 7});
    EXPECT_DOUBLE_EQ(80, class_average());
    EXPECT_NEAR(0.1, class_std_dev(), 1e-12);
    // A student with nothing counted averages 0 and still weighs in.
    add_student(2, {excused, excused});
    EXPECT_NEAR(53.333333333333, class_average(), 1e-9);
    EXPECT_NEAR(0.38586, class_std_dev(), 1e-5);
    EXPECT_EQ((Shares{1.0 / 3, 0, 1.0 / 3, 0, 1.0 / 3}), shares());

    one_assignment(100, {95, 85, 85, 40});
    EXPECT_EQ((Shares{0.25, 0.5, 0, 0, 0.25}), shares(0));
    use_minus = true;
    grade_scale = {0, 90, 85, 0, 80, 75, 0, 70, 65, 0, 60, 55, 0, 0};
    EXPECT_EQ((Shares{0.75, 0, 0, 0, 0.25}), shares(0));
    EXPECT_EQ((Shares{0.75, 0, 0, 0, 0.25}), shares());
}

TEST_F(GradingTest, CurvesRoundHalvesToEvenHoldScoresWithin0And32767AndTheMeanNeverLowers) {
    const auto expect = [](const char* name, std::int16_t points, const Scores& before,
                           void (*curve)(std::int16_t, double), double value, const Scores& after) {
        SCOPED_TRACE(name);
        one_assignment(points, before);
        curve(0, value);
        for (std::size_t s = 0; s < after.size(); ++s) {
            EXPECT_EQ(after[s], students[s].scores[0]) << s;
        }
    };
    expect("points added, excused kept", 100, {70, 88, excused}, lcurve, 5, {75, 93, excused});
    expect("halves to even", 100, {70, 71}, lcurve, 2.5, {72, 74});
    // 1 - 2.4 would round to the excused mark.
    expect("never below 0", 100, {4, 1, 32000}, lcurve, -2.4, {2, 0, 31998});
    expect("never above 32767", 100, {0, 32000}, lcurve, 1e300, {32767, 32767});
    expect("the mean reaches the target", 100, {60, 70, 80}, slcurve, 75, {65, 75, 85});
    expect("a lower target lowers nothing", 100, {65, 75, 85}, slcurve, 50, {65, 75, 85});
    expect("below 100 points", 50, {30, 40}, slcurve, 80, {35, 45});
}

} // namespace
} // namespace quillmark
