#include "classdata/class_data.h"
#include "grading/curve.h"
#include "grading/statistics.h"
#include "support/class_fixture.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace quillmark {
namespace {

using Scores = std::vector<std::int16_t>;

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

    static Scores scores(std::int16_t count) {
        Scores result;
        for (std::int16_t s = 0; s < count; ++s) {
            result.push_back(students[s].scores[0]);
        }
        return result;
    }
};

TEST_F(CurveTest, LinearCurveRoundsHalvesToEvenAndSkipsExcused) {
    assignment(100, {70, 88, excused});
    lcurve(0, 5);
    EXPECT_EQ((Scores{75, 93, excused}), scores(3));

    assignment(100, {70, 71});
    lcurve(0, 2.5);
    EXPECT_EQ((Scores{72, 74}), scores(2));
}

TEST_F(CurveTest, MeanScoreCurveReachesTheTargetButNeverLowers) {
    assignment(100, {60, 70, 80});
    slcurve(0, 75);
    EXPECT_EQ((Scores{65, 75, 85}), scores(3));
    slcurve(0, 50);
    EXPECT_EQ((Scores{65, 75, 85}), scores(3));

    assignment(50, {30, 40});
    slcurve(0, 80);
    EXPECT_EQ((Scores{35, 45}), scores(2));
    EXPECT_DOUBLE_EQ(0.8, assignment_average(0));

    // An assignment worth no points has no average to raise.
    asg_points[0] = -20;
    slcurve(0, 90);
    EXPECT_EQ((Scores{35, 45}), scores(2));
}

TEST_F(CurveTest, ScoresStayWithin0And32767AndOnlyUsedSlotsChange) {
    assignment(100, {4, 1, 32000});
    lcurve(0, -10);
    EXPECT_EQ((Scores{0, 0, 31990}), scores(3));
    // 1 - 2.4 would round to the excused mark.
    students[1].scores[0] = 1;
    lcurve(0, -2.4);
    EXPECT_EQ((Scores{0, 0, 31988}), scores(3));
    lcurve(0, 1e300);
    EXPECT_EQ((Scores{32767, 32767, 32767}), scores(3));

    students[3].scores[0] = 40; // a slot without an ID number
    students[0].scores[1] = 30; // a slot without an assignment
    lcurve(0, -5);
    slcurve(1, 90);
    lcurve(1, 5);
    EXPECT_EQ(40, students[3].scores[0]);
    EXPECT_EQ(30, students[0].scores[1]);
}

} // namespace
} // namespace quillmark
