#include "classdata/class_data.h"
#include "grading/categories.h"
#include "grading/categories_file.h"
#include "grading/statistics.h"
#include "support/class_fixture.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace quillmark {
namespace {

class CategoriesTest : public testing::ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        clear_class();
        class_file = "Period1.cls";
        students[0].id_number = "ID0";
    }

    // Assignment `slot` worth `points`, on which student 0 scored `score`.
    static void scored(std::int16_t slot, std::int16_t points, std::int16_t score) {
        asg_title[slot] = "Assignment " + std::to_string(slot + 1);
        asg_points[slot] = points;
        students[0].scores[slot] = score;
    }
};

TEST_F(CategoriesTest, AveragesDropTheLowestPercentagesAndWeighOnlyCategoriesWithCountedWork) {
    struct Work {
        std::int16_t points, score, category; // category -1: in none
    };
    // Student 0's average and what category 0 counts and drops, over this work.
    const auto expect = [](const char* name, double average, int dropped, bool counted,
                           const std::vector<Category>& categories, const std::vector<Work>& work) {
        SCOPED_TRACE(name);
        clear_class();
        students[0].id_number = "ID0";
        class_categories().in_use = true;
        class_categories().list = categories;
        for (std::size_t slot = 0; slot < work.size(); ++slot) {
            scored(static_cast<std::int16_t>(slot), work[slot].points, work[slot].score);
            class_categories().of[slot] = work[slot].category;
        }
        EXPECT_DOUBLE_EQ(average, student_average(0));
        const CategoryScore in_0 = category_score(class_categories(), 0, 0);
        EXPECT_EQ((std::pair{counted, dropped}), (std::pair{in_0.counted, in_0.dropped}));
    };
    const std::int16_t x = excused;
    const Category tests_1{"Tests", 100, 1};
    expect("8/20 goes before 3/5", 0.6, 1, true, {{"Quizzes", 100, 1}}, {{20, 8, 0}, {5, 3, 0}});
    expect("dropping 10 of 3 leaves the best", 1.0, 2, true, {{"Quizzes", 100, 10}},
           {{10, 5, 0}, {20, 10, 0}, {20, 20, 0}});
    expect("extra credit stays, the 40 goes", 0.85, 1, true, {tests_1},
           {{0, 5, 0}, {100, 80, 0}, {100, 40, 0}});
    // Nothing to take a fraction of: the category drops out of the weighting.
    expect("extra credit alone", 1.0, 0, false, {tests_1, {"Quizzes", 100, 0}},
           {{0, 5, 0}, {100, x, 0}, {100, x, 0}, {10, 10, 1}});

    std::vector<Category> four{
        {"Homework", 20, 0}, {"Quizzes", 30, 0}, {"Tests", 50, 0}, {"Projects", 10, 0}};
    // (20 * 1 + 30 * .8 + 50 * .6) / 100; Projects has no assignment.
    expect("every category with work", 0.74, 0, true, four,
           {{10, 10, 0}, {10, 8, 1}, {100, 60, 2}, {50, 50, -1}});
    expect("homework excused: the rest scaled up", 0.675, 0, false, four,
           {{10, x, 0}, {10, 8, 1}, {100, 60, 2}, {50, 50, -1}});
    four[1].weight = 0;
    four[2].weight = 0;
    expect("counted categories weigh 0", 0, 0, false, four, {{10, x, 0}, {10, 8, 1}, {100, 60, 2}});
}

TEST_F(CategoriesTest, ProblemsAreNamedAndACorrectSetHasNone) {
    Categories categories;
    categories.list = {{"Quizzes", 30, 1}, {"Tests", 70.5, 10}, {"Labs", 0, 0}};
    categories.of[0] = 2;
    EXPECT_EQ("", categories_problem(categories));

    const std::pair<void (*)(Categories&), std::string> rows[] = {
        {[](Categories& c) { c.list[1].name = "  "; }, "category 2 has no name"},
        {[](Categories& c) { c.list[0].name = "Quiz\nzes"; },
         "the name of category 1 holds a control character"},
        {[](Categories& c) { c.list[2].name = "quizzes"; }, "two categories are named \"quizzes\""},
        {[](Categories& c) { c.list[1].weight = 100.01; },
         "the weight of \"Tests\" must be a number from 0 to 100"},
    };
    for (const auto& [change, expected] : rows) {
        Categories changed = categories;
        change(changed);
        EXPECT_EQ(expected, categories_problem(changed));
    }
}

TEST_F(CategoriesTest, ReaderRefusesEveryFaultAndNamesIt) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {" \n", "the file is empty"},
        {R"({"version": 1, "use_weighted)", "the file is cut short"},
        {"{\n \"\xC3\xA9\": x}", "line 2, column 7: the text there is not valid JSON"},
        {R"({"version": 1e999})", "a number in the file is too large"},
        {R"({"version": 1, "use_weighted_categories": true, "categories": [{"name": )"
         R"("\u0141\u00f3d\u017a", "weight": 30, "drop_lowest": 1}], "assignments": []})",
         "the name of category 1 holds characters that the class file cannot store"},
    };
    for (const auto& [bytes, expected] : cases) {
        std::istringstream in{bytes};
        std::string problem;
        EXPECT_FALSE(read_categories(in, problem)) << bytes.substr(0, 80);
        EXPECT_EQ(expected, problem) << bytes.substr(0, 80);
    }
}

TEST_F(CategoriesTest, LoadingReportsABadFileOnceAndLeavesItAsItIs) {
    class_categories().in_use = true;
    EXPECT_TRUE(load_categories());
    EXPECT_FALSE(class_categories().in_use);

    const std::string bad = R"({"version": 1, "use_weighted_categories": tru})";
    write_file("Period1.categories", bad);
    const Result loaded = load_categories();
    EXPECT_FALSE(loaded);
    EXPECT_EQ("The categories of \"Period1.cls\" could not be read: line 1, column 46: the text "
              "there is not valid JSON. The class is shown without categories.",
              loaded.message());
    EXPECT_FALSE(class_categories().in_use);
    EXPECT_EQ(bad, read_file("Period1.categories"));
}

TEST_F(CategoriesTest, StoringChecksSavesAsUtf8AndRemovedAssignmentsLeaveTheirCategory) {
    scored(0, 10, 5);
    scored(1, 10, 10);
    Categories wanted;
    wanted.in_use = true;
    wanted.list = {{"Pr\xE9sentations \x80", 33.25, 2}, {"Tests", 66.75, 0}};
    wanted.of[0] = 0;
    wanted.of[1] = 1;
    wanted.of[7] = 0; // no assignment there

    Categories refused = wanted;
    refused.list[1].weight = 101;
    EXPECT_EQ("The categories could not be stored: the weight of \"Tests\" must be a number from "
              "0 to 100.",
              set_class_categories(refused).message());
    EXPECT_FALSE(std::filesystem::exists(folder() / "Period1.categories"));

    ASSERT_TRUE(set_class_categories(wanted));
    EXPECT_EQ(-1, class_categories().of[7]);
    const std::string saved = read_file("Period1.categories");
    EXPECT_NE(std::string::npos, saved.find("\"Présentations €\""));
    std::istringstream in{saved};
    std::string problem = "left from before";
    const std::optional<Categories> read = read_categories(in, problem);
    ASSERT_TRUE(read) << problem;
    EXPECT_EQ("", problem);
    EXPECT_TRUE(*read == class_categories());

    // Assignment 1 removed: its category forgets it, on disk too, and a new assignment in the
    // slot starts in none.
    asg_title[1].clear();
    EXPECT_TRUE(remove_assignment_category(1));
    asg_title[1] = "New";
    ASSERT_TRUE(load_categories());
    EXPECT_EQ(0, class_categories().of[0]);
    EXPECT_EQ(-1, class_categories().of[1]);
}

} // namespace
} // namespace quillmark
