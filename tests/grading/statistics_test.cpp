#include "classdata/class_data.h"
#include "grading/statistics.h"
#include "support/class_fixture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

namespace quillmark {
namespace {

using Shares = std::array<double, 5>;

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

constexpr Shares none{0, 0, 0, 0, 0};

class StatisticsTest : public testing::ClassFixture {
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

    // One assignment in slot 0 and one used student per score.
    static void one_assignment(std::int16_t points, std::initializer_list<std::int16_t> scores) {
        add_assignment(0, points);
        std::int16_t s = 0;
        for (std::int16_t score : scores) {
            add_student(s++, {score});
        }
    }
};

TEST_F(StatisticsTest, StudentAverageWeighsByPointsSkipsExcusedAndCountsZeros) {
    EXPECT_EQ(0.0, student_average(0));
    add_assignment(0, 50);
    add_assignment(1, 100);
    add_assignment(2, 100);
    add_student(0, {45, 80, excused});
    // A score on a slot without a title does not count.
    students[0].scores[3] = 99;
    EXPECT_DOUBLE_EQ(125.0 / 150, student_average(0));

    students[0].scores[2] = 0;
    EXPECT_DOUBLE_EQ(0.5, student_average(0));

    add_student(1, {excused, excused, excused});
    EXPECT_EQ(0.0, student_average(1));
}

TEST_F(StatisticsTest, AssignmentFiguresCountOnlyUsedStudentsAndCountedScores) {
    one_assignment(10, {8, 10, excused});
    // A slot without an ID number is no student, whatever its score.
    students[5].scores[0] = 1;
    EXPECT_DOUBLE_EQ(0.9, assignment_average(0));
    EXPECT_NEAR(0.1, assignment_std_dev(0), 1e-12);
    EXPECT_EQ(9, assignment_mean_score(0));

    // The mean score rounds halves to even.
    one_assignment(10, {6, 7});
    EXPECT_EQ(6, assignment_mean_score(0));
    one_assignment(10, {7, 8});
    EXPECT_EQ(8, assignment_mean_score(0));
}

TEST_F(StatisticsTest, ClassFiguresWeighEveryUsedStudentAlike) {
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
}

TEST_F(StatisticsTest, DistributionsFoldPlusAndMinusIntoTheirLetter) {
    one_assignment(100, {95, 85, 85, 40});
    EXPECT_EQ((Shares{0.25, 0.5, 0, 0, 0.25}), shares(0));

    use_minus = true;
    grade_scale[2] = 85;
    grade_scale[5] = 75;
    grade_scale[8] = 65;
    grade_scale[11] = 55;
    EXPECT_EQ((Shares{0.75, 0, 0, 0, 0.25}), shares(0));
    EXPECT_EQ((Shares{0.75, 0, 0, 0, 0.25}), shares());
}

TEST_F(StatisticsTest, NothingCountedGivesZeroEverywhere) {
    EXPECT_EQ(0.0, class_average());
    EXPECT_EQ(0.0, class_std_dev());
    EXPECT_EQ(none, shares());
    EXPECT_EQ(none, shares(0));

    one_assignment(10, {excused, excused});
    EXPECT_EQ(0.0, assignment_average(0));
    EXPECT_EQ(0, assignment_mean_score(0));
    EXPECT_EQ(0.0, assignment_std_dev(0));
    EXPECT_EQ(none, shares(0));
}

TEST_F(StatisticsTest, FullClassOnLargeAssignmentsAveragesExactly) {
    // 300 x 200 points and 200 x 200 points both pass the 16-bit range.
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        add_assignment(a, 200);
    }
    for (std::int16_t s = 0; s < student_slots; ++s) {
        add_student(s, {});
        students[s].scores.fill(200);
    }
    EXPECT_EQ(1.0, assignment_average(199));
    EXPECT_EQ(200, assignment_mean_score(0));
    EXPECT_EQ(100.0, class_average());
    EXPECT_EQ((Shares{1, 0, 0, 0, 0}), shares());
}

TEST_F(StatisticsTest, PointValuesOfZeroOrBelowNeverGiveNonFiniteFigures) {
    add_assignment(0, 0);
    add_assignment(1, -10);
    add_student(0, {5, 5});
    add_student(1, {0, 0});
    add_student(2, {excused, 7});

    // Such scores are no fraction of anything, so they make no average, spread or letter.
    for (std::int16_t a = 0; a < 2; ++a) {
        EXPECT_EQ(0.0, assignment_average(a)) << a;
        EXPECT_EQ(0.0, assignment_std_dev(a)) << a;
        EXPECT_EQ(none, shares(a)) << a;
    }
    EXPECT_EQ(2, assignment_mean_score(0));
    EXPECT_EQ(0.0, student_average(0));
    EXPECT_EQ(0.0, student_average(2));
    EXPECT_EQ(0.0, class_average());
    EXPECT_EQ(0.0, class_std_dev());
    EXPECT_EQ((Shares{0, 0, 0, 0, 1}), shares());

    // A positive total beside them still divides.
    add_assignment(2, 100);
    students[0].scores[2] = 80;
    EXPECT_DOUBLE_EQ(90.0 / 90, student_average(0));
    EXPECT_TRUE(std::isfinite(class_std_dev()));
}

} // namespace
} // namespace quillmark
