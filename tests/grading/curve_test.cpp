#include "classdata/class_data.h"
#include "grading/curve.h"
#include "grading/statistics.h"
#include "support/class_fixture.h"

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

namespace quillmark {
namespace {

class CurveTest : public testing::ClassFixture {
protected:
    // A class of assignment 0 worth points, with one used student per score.
    static void assignment(std::int16_t points, std::initializer_list<std::int16_t> scores) {
        clear_class();
        asg_title[0] = "Test";
        asg_points[0] = points;
        std::int16_t s = 0;
        for (std::int16_t score : scores) {
            students[s].id_number = "ID" + std::to_string(s);
            students[s].scores[0] = score;
            ++s;
        }
    }

    static std::vector<std::int16_t> scores(std::int16_t count) {
        std::vector<std::int16_t> result;
        for (std::int16_t s = 0; s < count; ++s) {
            result.push_back(students[s].scores[0]);
        }
        return result;
    }
};

TEST_F(CurveTest, LinearCurveRoundsHalvesToEvenAndSkipsExcused) {
    assignment(100, {70, 88, excused});
    lcurve(0, 5);
    EXPECT_EQ((std::vector<std::int16_t>{75, 93, excused}), scores(3));

    assignment(100, {70, 71});
    lcurve(0, 2.5);
    EXPECT_EQ((std::vector<std::int16_t>{72, 74}), scores(2));
}

TEST_F(CurveTest, MeanScoreCurveBringsTheAverageToTheTarget) {
    assignment(100, {60, 70, 80});
    slcurve(0, 75);
    EXPECT_EQ((std::vector<std::int16_t>{65, 75, 85}), scores(3));
    EXPECT_DOUBLE_EQ(0.75, assignment_average(0));

    assignment(50, {30, 40});
    slcurve(0, 80);
    EXPECT_EQ((std::vector<std::int16_t>{35, 45}), scores(2));
    EXPECT_DOUBLE_EQ(0.8, assignment_average(0));
}

TEST_F(CurveTest, NewScoresAreHeldWithinZeroAnd32767) {
    assignment(100, {4, 0, 32000, excused});
    lcurve(0, -10);
    EXPECT_EQ((std::vector<std::int16_t>{0, 0, 31990, excused}), scores(4));
    // -1.4 would round to -1, the excused mark.
    lcurve(0, 1);
    lcurve(0, -2.4);
    EXPECT_EQ((std::vector<std::int16_t>{0, 0, 31989, excused}), scores(4));

    lcurve(0, 1e300);
    EXPECT_EQ((std::vector<std::int16_t>{32767, 32767, 32767, excused}), scores(4));
    slcurve(0, std::numeric_limits<double>::max());
    EXPECT_EQ((std::vector<std::int16_t>{32767, 32767, 32767, excused}), scores(4));
}

TEST_F(CurveTest, MeanScoreCurveNeverLowersScores) {
    assignment(100, {60, 70, 80});
    slcurve(0, 50);
    EXPECT_EQ((std::vector<std::int16_t>{60, 70, 80}), scores(3));

    // Scores on an assignment worth no points make no average to raise.
    asg_points[0] = 0;
    slcurve(0, 90);
    asg_points[0] = -20;
    slcurve(0, 90);
    EXPECT_EQ((std::vector<std::int16_t>{60, 70, 80}), scores(3));
}

TEST_F(CurveTest, OnlyUsedStudentsOnTheGivenAssignmentChange) {
    assignment(100, {50});
    students[1].scores[0] = 40; // a slot without an ID number
    students[0].scores[1] = 30; // another assignment
    lcurve(0, 5);
    slcurve(0, 80);
    EXPECT_EQ(80, students[0].scores[0]);
    EXPECT_EQ(40, students[1].scores[0]);
    EXPECT_EQ(30, students[0].scores[1]);

    // Slots without an assignment, out of range, and values that are not finite change nothing.
    lcurve(1, 5);
    lcurve(-1, 5);
    lcurve(assignment_slots, 5);
    lcurve(0, std::numeric_limits<double>::quiet_NaN());
    slcurve(0, std::numeric_limits<double>::infinity());
    EXPECT_EQ(80, students[0].scores[0]);
    EXPECT_EQ(30, students[0].scores[1]);
}

} // namespace
} // namespace quillmark
