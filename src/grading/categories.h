#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Weighted categories: when a class uses them, a student's average is the weighted mean of the
// student's fractions in each category, after dropping each category's lowest scores. Names are
// Windows-1252 text, as the class holds it.
namespace quillmark {

struct Category {
    std::string name;
    double weight = 0; // in percent
    int drop_lowest = 0;
};

struct Categories {
    bool in_use = false;
    std::vector<Category> list;       // at most 12
    std::array<std::int16_t, 201> of; // of[a]: index into list, or -1 for no category
    Categories() { of.fill(-1); }
};

// The open class's; no categories after clear_class().
Categories& class_categories();

bool operator==(const Category& a, const Category& b);
bool operator==(const Categories& a, const Categories& b);

inline constexpr std::size_t max_categories = 12;
inline constexpr std::size_t max_category_name = 30;
inline constexpr double max_category_weight = 100;
inline constexpr int max_drop_lowest = 10;

// What is wrong with the categories, as the end of a sentence ("the weight of "Quizzes" must be
// a number from 0 to 100"), or the empty text when nothing is. Checks the count, each name
// (present, at most 30 characters, no control characters, no two alike in any letter case), each
// weight and drop count, and that every assignment's category exists.
std::string categories_problem(const Categories& categories);

// One category's part in a student's average.
// A category where no score counts, or whose counted point values add up to 0 or less, is not
// counted: it takes no part in the average, and drops nothing.
struct CategoryScore {
    bool counted = false; // whether the category takes part in the student's average
    double fraction = 0;  // counted points over counted point values, 0 when not counted
    int dropped = 0;      // how many of the student's lowest scores were left out
};

// The student's figures in category c of the categories given: the used assignments of the
// category whose scores are not excused, less the lowest ones by percentage of the points (the
// earlier slot first on a tie), as many as the category drops while at least one score on an
// assignment worth more than 0 points stays; assignments worth 0 points or less are never
// dropped.
CategoryScore category_score(const Categories& categories, std::size_t c, std::int16_t student);

// The weighted mean of the student's category fractions over the counted categories; 0 when
// none is counted or their weights add up to 0.
double weighted_average(const Categories& categories, std::int16_t student);

// Takes the assignment out of its category, as when it is removed; true when it was in one.
bool drop_assignment_category(std::int16_t assignment);

} // namespace quillmark
