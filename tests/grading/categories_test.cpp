#include "classdata/class_data.h"
#include "grading/categories.h"
#include "grading/categories_file.h"
#include "grading/statistics.h"
#include "support/class_fixture.h"

#include <cmath>
#include <filesystem>
#include <initializer_list>
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

    // A category of the open class, in use, holding the given assignment slots.
    static void add_category(const std::string& name, double weight, int drop_lowest,
                             std::initializer_list<std::int16_t> slots) {
        Categories& categories = class_categories();
        categories.in_use = true;
        categories.list.push_back({name, weight, drop_lowest});
        for (std::int16_t slot : slots) {
            categories.of[slot] = static_cast<std::int16_t>(categories.list.size() - 1);
        }
    }

    // Assignment `slot` worth `points`, on which student 0 scored `score`.
    static void scored(std::int16_t slot, std::int16_t points, std::int16_t score) {
        asg_title[slot] = "Assignment " + std::to_string(slot + 1);
        asg_points[slot] = points;
        students[0].scores[slot] = score;
    }

    static CategoryScore score_in(std::size_t c) {
        return category_score(class_categories(), c, 0);
    }
};

// Student 0's average over assignments in categories: which scores count, which go and how the
// categories weigh.
TEST_F(CategoriesTest, AveragesDropTheLowestPercentagesAndWeighOnlyCategoriesWithCountedWork) {
    struct Work {
        std::int16_t points, score, category; // category -1: in none
        bool removed = false;
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
            const auto a = static_cast<std::int16_t>(slot);
            scored(a, work[slot].points, work[slot].score);
            class_categories().of[slot] = work[slot].category;
            if (work[slot].removed) {
                asg_title[slot].clear();
            }
        }
        EXPECT_DOUBLE_EQ(average, student_average(0));
        EXPECT_EQ((std::pair{counted, dropped}),
                  (std::pair{score_in(0).counted, score_in(0).dropped}));
    };
    const std::int16_t x = excused;
    const Category quizzes_1{"Quizzes", 100, 1};
    const Category drop_10{"Quizzes", 100, 10};
    const Category tests_1{"Tests", 100, 1};
    expect("best 5 of 6: the 0 goes", 1.0, 1, true, {quizzes_1},
           {{1, 1, 0}, {1, 1, 0}, {1, 1, 0}, {1, 1, 0}, {1, 1, 0}, {1, 0, 0}});
    // By points the 3 would go, leaving 8/20 = 40 %.
    expect("8/20 goes before 3/5", 0.6, 1, true, {quizzes_1}, {{20, 8, 0}, {5, 3, 0}});
    expect("a tie drops the earlier slot", 0.75, 1, true, {quizzes_1},
           {{10, 5, 0}, {20, 10, 0}, {20, 20, 0}});
    expect("dropping 10 of 3 leaves the best", 1.0, 2, true, {drop_10},
           {{10, 5, 0}, {20, 10, 0}, {20, 20, 0}});
    expect("excused neither counts nor goes", 0.5, 0, true, {drop_10},
           {{10, x, 0}, {20, 10, 0}, {20, x, 0}});
    // Extra credit worth 0 points counts but never goes: (80 + 5) / 100.
    expect("extra credit stays, the 40 goes", 0.85, 1, true, {tests_1},
           {{0, 5, 0}, {100, 80, 0}, {100, 40, 0}});
    expect("one test left beside extra credit", 0.85, 0, true, {tests_1},
           {{0, 5, 0}, {100, 80, 0}, {100, x, 0}});
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
    expect("counted work only outside categories", 0, 0, false, four,
           {{10, x, 0}, {10, 8, -1}, {100, 60, -1}, {50, 50, -1}});
    expect("a removed assignment counts nowhere", 0, 0, false, four,
           {{10, x, 0}, {10, 8, -1}, {100, 60, 2, true}, {50, 50, -1}});
    four[2].weight = 60;
    expect("weights adding up to 90", 60.0 / 90.0, 0, false, four,
           {{10, x, 0}, {10, 8, 1}, {100, 60, 2}});
    four[1].weight = 0;
    four[2].weight = 0;
    expect("counted categories weigh 0", 0, 0, false, four, {{10, x, 0}, {10, 8, 1}, {100, 60, 2}});
}

TEST_F(CategoriesTest, SwitchedOffOrClearedTheAverageIsThePointsAverage) {
    scored(0, 10, 10);
    scored(1, 90, 45);
    students[1].id_number = "ID1";
    students[1].scores = students[0].scores;
    students[1].scores[0] = 0;
    add_category("Quizzes", 50, 0, {0});
    add_category("Tests", 50, 0, {1});

    // Weighted: (1 + .5) / 2 = 75 % and (0 + .5) / 2 = 25 %; the class panel follows.
    EXPECT_DOUBLE_EQ(0.75, student_average(0));
    EXPECT_DOUBLE_EQ(50, class_average());
    EXPECT_DOUBLE_EQ(0.25, class_std_dev());

    // Off: 55/100 and 45/100, the categories kept for later.
    class_categories().in_use = false;
    EXPECT_DOUBLE_EQ(0.55, student_average(0));
    EXPECT_DOUBLE_EQ(50, class_average());
    EXPECT_EQ(2u, class_categories().list.size());

    class_categories().in_use = true;
    clear_class();
    EXPECT_FALSE(class_categories().in_use);
    EXPECT_TRUE(class_categories().list.empty());
    EXPECT_EQ(-1, class_categories().of[1]);
}

TEST_F(CategoriesTest, ProblemsAreNamedAndACorrectSetHasNone) {
    Categories categories;
    categories.list = {{"Quizzes", 30, 1}, {"Tests", 70.5, 10}, {"Labs", 0, 0}};
    categories.of[0] = 2;
    EXPECT_EQ("", categories_problem(categories));

    const auto problem_with = [&](auto change) {
        Categories changed = categories;
        change(changed);
        return categories_problem(changed);
    };
    EXPECT_EQ("category 2 has no name", problem_with([](Categories& c) { c.list[1].name = "  "; }));
    EXPECT_EQ("the name of category 1 holds a control character",
              problem_with([](Categories& c) { c.list[0].name = "Quiz\nzes"; }));
    EXPECT_EQ("", problem_with([](Categories& c) { c.list[0].name = std::string(30, 'x'); }));
    EXPECT_EQ("the name \"" + std::string(31, 'x') + "\" is longer than 30 characters",
              problem_with([](Categories& c) { c.list[0].name = std::string(31, 'x'); }));
    EXPECT_EQ("two categories are named \"quizzes\"",
              problem_with([](Categories& c) { c.list[2].name = "quizzes"; }));
    EXPECT_EQ("the weight of \"Tests\" must be a number from 0 to 100",
              problem_with([](Categories& c) { c.list[1].weight = 100.01; }));
    EXPECT_EQ("the weight of \"Labs\" must be a number from 0 to 100",
              problem_with([](Categories& c) { c.list[2].weight = -0.5; }));
    EXPECT_EQ("the weight of \"Labs\" must be a number from 0 to 100",
              problem_with([](Categories& c) { c.list[2].weight = std::nan(""); }));
    EXPECT_EQ("the number of scores to drop from \"Tests\" must be a whole number from 0 to 10",
              problem_with([](Categories& c) { c.list[1].drop_lowest = 11; }));
    EXPECT_EQ("assignment 200 is in a category that does not exist",
              problem_with([](Categories& c) { c.of[199] = 3; }));
    EXPECT_EQ("a class can have at most 12 categories", problem_with([](Categories& c) {
                  for (int i = 0; i < 10; ++i) {
                      c.list.push_back({"Extra " + std::to_string(i), 0, 0});
                  }
              }));
}

TEST_F(CategoriesTest, FileKeepsEverythingAndTextsTravelAsUtf8) {
    Categories categories;
    categories.in_use = true;
    categories.list = {{"Pr\xE9sentations \x80", 33.25, 2}, {"Tests", 66.75, 0}};
    categories.of[0] = 1;
    categories.of[199] = 0;

    std::stringstream file;
    write_categories(file, categories);
    EXPECT_NE(std::string::npos, file.str().find("\"Présentations €\""));
    EXPECT_NE(std::string::npos, file.str().find("\"weight\": 33.25"));

    std::string problem = "left from before";
    const std::optional<Categories> read = read_categories(file, problem);
    ASSERT_TRUE(read) << problem;
    EXPECT_EQ("", problem);
    EXPECT_TRUE(*read == categories);
}

TEST_F(CategoriesTest, ReaderRefusesEveryFaultAndNamesIt) {
    const std::string good_category = R"({"name": "Quizzes", "weight": 30, "drop_lowest": 1})";
    const auto file = [&](const std::string& categories, const std::string& assignments) {
        return R"({"version": 1, "use_weighted_categories": true, "categories": [)" + categories +
               R"(], "assignments": [)" + assignments + "]}";
    };
    std::string thirteen = good_category;
    for (int i = 1; i < 13; ++i) {
        thirteen += R"(, {"name": "C)" + std::to_string(i) + R"(", "weight": 1, "drop_lowest": 0})";
    }
    const std::vector<std::pair<std::string, std::string>> cases{
        {" \n", "the file is empty"},
        {R"({"version": 1, "use_weighted)", "the file is cut short"},
        {"{\n \"\xC3\xA9\": x}", "line 2, column 7: the text there is not valid JSON"},
        {R"({"version": 1e999})", "a number in the file is too large"},
        {file(R"({"name": "\u0141\u00f3d\u017a", "weight": 30, "drop_lowest": 1})", ""),
         "the name of category 1 holds characters that the class file cannot store"},
        {"[]", "the file holds no categories object"},
        {R"({"version": 2, "use_weighted_categories": true, "categories": [], "assignments": []})",
         "it was written in a format this version of Quillmark does not know"},
        {R"({"version": 1, "categories": [], "assignments": []})",
         "the file has no \"use_weighted_categories\""},
        {R"({"version": 1, "use_weighted_categories": 1, "categories": [], "assignments": []})",
         "\"use_weighted_categories\" is neither true nor false"},
        {file(R"({"name": "Quizzes", "weight": "30", "drop_lowest": 1})", ""),
         "the weight of category 1 is not a number"},
        {file(R"({"name": "Quizzes", "weight": 30, "drop_lowest": 1.5})", ""),
         "the number of scores to drop from category 1 must be a whole number from 0 to 10"},
        {file(R"({"name": "Quizzes", "weight": 30})", ""), "category 1 has no \"drop_lowest\""},
        {file(good_category, R"({"slot": 200, "category": 0})"),
         "the slot of assignment entry 1 must be a whole number from 0 to 199"},
        {file(good_category, R"({"slot": 5, "category": 1})"),
         "assignment entry 1 is in a category that does not exist"},
        {file("", R"({"slot": 5, "category": 0})"),
         "assignment entry 1 is in a category that does not exist"},
        {file(good_category, R"({"slot": 5, "category": 0}, {"slot": 5, "category": 0})"),
         "assignment 6 is listed twice"},
        {file(good_category + "," + good_category, ""), "two categories are named \"Quizzes\""},
        {std::string(1 << 20, ' ') + "{}", "the file is larger than 1 MB"},
        {file(thirteen, ""), "a class can have at most 12 categories"},
    };
    for (const auto& [bytes, expected] : cases) {
        std::istringstream in{bytes};
        std::string problem;
        EXPECT_FALSE(read_categories(in, problem)) << bytes.substr(0, 80);
        EXPECT_EQ(expected, problem) << bytes.substr(0, 80);
    }
}

TEST_F(CategoriesTest, LoadingReportsABadFileOnceAndLeavesItAsItIs) {
    scored(0, 10, 5);
    scored(1, 10, 10);

    // No file: no categories, nothing to report.
    add_category("Old", 100, 0, {0});
    EXPECT_TRUE(load_categories());
    EXPECT_FALSE(class_categories().in_use);

    // Slot 2 is not in use, so its entry is left out.
    const std::string good =
        R"({"version": 1, "use_weighted_categories": true, "categories": [{"name": "Labs",)"
        R"( "weight": 100, "drop_lowest": 0}], "assignments": [{"slot": 1, "category": 0},)"
        R"( {"slot": 2, "category": 0}]})";
    write_file("Period1.categories", good);
    EXPECT_TRUE(load_categories());
    EXPECT_EQ(0, class_categories().of[1]);
    EXPECT_EQ(-1, class_categories().of[2]);
    EXPECT_DOUBLE_EQ(1.0, student_average(0));

    const std::string bad = R"({"version": 1, "use_weighted_categories": tru})";
    write_file("Period1.categories", bad);
    const Result loaded = load_categories();
    EXPECT_FALSE(loaded);
    EXPECT_EQ("The categories of \"Period1.cls\" could not be read: line 1, column 46: the text "
              "there is not valid JSON. The class is shown without categories.",
              loaded.message());
    EXPECT_FALSE(class_categories().in_use);
    EXPECT_DOUBLE_EQ(0.75, student_average(0));
    EXPECT_EQ(bad, read_file("Period1.categories"));
}

TEST_F(CategoriesTest, StoringChecksAndSavesThenRemovedAssignmentsLeaveTheirCategory) {
    scored(0, 10, 5);
    scored(1, 10, 10);
    Categories wanted;
    wanted.in_use = true;
    wanted.list = {{"Labs", 100, 0}};
    wanted.of[0] = 0;
    wanted.of[1] = 0;
    wanted.of[7] = 0; // no assignment there

    Categories refused = wanted;
    refused.list[0].weight = 101;
    const Result refusal = set_class_categories(refused);
    EXPECT_EQ("The categories could not be stored: the weight of \"Labs\" must be a number from 0 "
              "to 100.",
              refusal.message());
    EXPECT_FALSE(class_categories().in_use);
    EXPECT_FALSE(std::filesystem::exists(folder() / "Period1.categories"));

    ASSERT_TRUE(set_class_categories(wanted));
    EXPECT_TRUE(class_categories().in_use);
    EXPECT_EQ(-1, class_categories().of[7]);
    std::istringstream saved{read_file("Period1.categories")};
    std::string problem;
    std::optional<Categories> read = read_categories(saved, problem);
    ASSERT_TRUE(read) << problem;
    EXPECT_EQ(class_categories().of, read->of);

    // Assignment 1 removed: its category forgets it, on disk too, and a new assignment in the
    // slot starts in none.
    asg_title[1].clear();
    EXPECT_TRUE(remove_assignment_category(1));
    asg_title[1] = "New";
    EXPECT_EQ(-1, class_categories().of[1]);
    ASSERT_TRUE(load_categories());
    EXPECT_EQ(0, class_categories().of[0]);
    EXPECT_EQ(-1, class_categories().of[1]);

    // Failing to save changes nothing.
    std::filesystem::permissions(folder() / "Period1.categories",
                                 std::filesystem::perms::owner_read);
    wanted.list[0].name = "Practicals";
    EXPECT_FALSE(set_class_categories(wanted));
    EXPECT_EQ("Labs", class_categories().list[0].name);
}

} // namespace
} // namespace quillmark
