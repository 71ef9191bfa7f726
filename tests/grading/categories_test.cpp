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

TEST_F(CategoriesTest, DropRulesTakeTheLowestPercentagesAndKeepOneScoreThatCounts) {
    // Best 5 of six 1-point quizzes scored 1,1,1,1,1,0: the 0 goes, 5/5.
    for (std::int16_t a = 0; a < 6; ++a) {
        scored(a, 1, a == 5 ? 0 : 1);
    }
    add_category("Quizzes", 100, 1, {0, 1, 2, 3, 4, 5});
    EXPECT_DOUBLE_EQ(1.0, student_average(0));
    EXPECT_EQ(1, score_in(0).dropped);

    // 8/20 is 40 % and 3/5 is 60 %: by percentage the 8 goes, leaving 3/5 = 60 %; by points the
    // 3 would go, leaving 8/20 = 40 %.
    clear_class();
    students[0].id_number = "ID0";
    scored(0, 20, 8);
    scored(1, 5, 3);
    add_category("Labs", 100, 1, {0, 1});
    EXPECT_DOUBLE_EQ(0.6, student_average(0));

    // 5/10 and 10/20 tie at 50 %; the earlier slot goes: (10 + 20) / (20 + 20) = 75 %.
    scored(2, 20, 20);
    class_categories().of[2] = 0;
    scored(0, 10, 5);
    scored(1, 20, 10);
    EXPECT_DOUBLE_EQ(0.75, student_average(0));

    // Dropping 10 of three scores leaves the best one: 20/20.
    class_categories().list[0].drop_lowest = 10;
    EXPECT_EQ(2, score_in(0).dropped);
    EXPECT_DOUBLE_EQ(1.0, student_average(0));

    // An excused score neither counts nor goes: 10/20 is all that is left to count.
    students[0].scores[0] = excused;
    students[0].scores[2] = excused;
    EXPECT_DOUBLE_EQ(0.5, score_in(0).fraction);
    EXPECT_EQ(0, score_in(0).dropped);
}

TEST_F(CategoriesTest, AssignmentsWorthNoPointsCountButAreNeverDropped) {
    // Extra credit worth 0 points, scored 5, beside tests of 100 scored 80 and 40, 1 dropped:
    // the 40 goes, not the extra credit, and (80 + 5) / 100 = 85 %.
    scored(0, 0, 5);
    scored(1, 100, 80);
    scored(2, 100, 40);
    add_category("Tests", 100, 1, {0, 1, 2});
    EXPECT_DOUBLE_EQ(0.85, student_average(0));
    EXPECT_EQ(1, score_in(0).dropped);

    // With only one test left to count, it stays beside the extra credit: 85/100 again, and
    // nothing is dropped.
    students[0].scores[2] = excused;
    EXPECT_DOUBLE_EQ(0.85, student_average(0));
    EXPECT_EQ(0, score_in(0).dropped);

    // Only the 0-point assignment counts: nothing to take a fraction of and nothing dropped, so
    // the category drops out of the weighting; beside quizzes at 100 % the average is 100 %.
    students[0].scores[1] = excused;
    EXPECT_EQ((std::pair{false, 0}), (std::pair{score_in(0).counted, score_in(0).dropped}));
    scored(3, 10, 10);
    add_category("Quizzes", 100, 0, {3});
    EXPECT_DOUBLE_EQ(1.0, student_average(0));
}

TEST_F(CategoriesTest, CategoriesWithoutCountedWorkDropOutAndTheOthersAreScaledUp) {
    scored(0, 10, 10);  // homework, excused below
    scored(1, 10, 8);   // quiz: 80 %
    scored(2, 100, 60); // test: 60 %
    scored(3, 50, 50);  // in no category
    add_category("Homework", 20, 0, {0});
    add_category("Quizzes", 30, 0, {1});
    add_category("Tests", 50, 0, {2});
    add_category("Projects", 10, 0, {}); // no assignment at all

    // Every category counts but Projects: (20 * 1 + 30 * .8 + 50 * .6) / 100 = .74.
    EXPECT_DOUBLE_EQ(0.74, student_average(0));

    // All homework excused: (30 * .8 + 50 * .6) / 80 = .675.
    students[0].scores[0] = excused;
    EXPECT_FALSE(score_in(0).counted);
    EXPECT_DOUBLE_EQ(0.675, student_average(0));

    // Weights adding up to 90: (30 * .8 + 60 * .6) / 90 = 60 / 90.
    class_categories().list[2].weight = 60;
    EXPECT_DOUBLE_EQ(60.0 / 90.0, student_average(0));

    // The counted categories weigh nothing: 0, as when nothing counts.
    class_categories().list[1].weight = 0;
    class_categories().list[2].weight = 0;
    EXPECT_EQ(0, student_average(0));

    // No category has a counted score: 0, though assignment 4 has a score outside them all.
    class_categories().of[1] = -1;
    class_categories().of[2] = -1;
    EXPECT_EQ(0, student_average(0));

    // A removed assignment counts nowhere, whatever category it was in.
    class_categories().list[2].weight = 50;
    class_categories().of[2] = 2;
    EXPECT_DOUBLE_EQ(0.6, student_average(0));
    asg_title[2].clear();
    EXPECT_EQ(0, student_average(0));
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
