#include "grading/categories.h"

#include "classdata/class_data.h"

#include <algorithm>
#include <span>

namespace quillmark {
namespace {

struct Counted {
    std::int16_t score;
    std::int16_t points;
    std::int16_t slot;
};

// Lower percentage of the assignment's points first, then the earlier slot. Both point values
// are positive, and 16-bit products fit an int, so equal percentages compare equal.
bool drops_before(const Counted& x, const Counted& y) {
    const int left = x.score * y.points;
    const int right = y.score * x.points;
    return left != right ? left < right : x.slot < y.slot;
}

CategoryScore score_of(std::span<const Counted> counted, int drop_lowest) {
    CategoryScore result;
    if (counted.empty()) {
        return result;
    }
    int score_total = 0;
    int point_total = 0;
    int droppable = 0;
    for (const Counted& c : counted) {
        score_total += c.score;
        point_total += c.points;
        droppable += c.points > 0 ? 1 : 0;
    }
    // One score the fraction can be taken of always stays: were only scores worth 0 points left,
    // the category would read 0 however well the student did.
    const int drops =
        droppable > 0 ? std::clamp(drop_lowest, 0, std::min(droppable - 1, max_drop_lowest)) : 0;
    if (drops > 0) {
        // The lowest so far, in order; one pass, since the class panel takes every student's
        // average several times over.
        std::array<Counted, max_drop_lowest> lowest;
        int kept = 0;
        for (const Counted& c : counted) {
            if (c.points <= 0 || (kept == drops && !drops_before(c, lowest[kept - 1]))) {
                continue;
            }
            int at = kept < drops ? kept++ : kept - 1;
            for (; at > 0 && drops_before(c, lowest[at - 1]); --at) {
                lowest[at] = lowest[at - 1];
            }
            lowest[at] = c;
        }
        for (const Counted& c : std::span{lowest}.first(static_cast<std::size_t>(drops))) {
            score_total -= c.score;
            point_total -= c.points;
        }
    }
    // Point values of 0 or below can leave a total that no fraction can be taken of; such a
    // category weighs in no more than one with nothing counted.
    if (point_total <= 0) {
        return result;
    }
    result.counted = true;
    result.dropped = drops;
    result.fraction = static_cast<double>(score_total) / point_total;
    return result;
}

bool in_category(const Categories& categories, std::int16_t a, std::size_t c) {
    return assignment_used(a) && categories.of[a] >= 0 &&
           static_cast<std::size_t>(categories.of[a]) == c;
}

bool same_ignoring_case(const std::string& x, const std::string& y) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::equal(x, y, [&](char p, char q) { return fold(p) == fold(q); });
}

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

} // namespace

Categories& class_categories() {
    static Categories categories;
    static std::uint64_t generation = class_generation();
    if (generation != class_generation()) {
        categories = Categories{};
        generation = class_generation();
    }
    return categories;
}

bool operator==(const Category& a, const Category& b) {
    return a.name == b.name && a.weight == b.weight && a.drop_lowest == b.drop_lowest;
}

bool operator==(const Categories& a, const Categories& b) {
    return a.in_use == b.in_use && a.list == b.list && a.of == b.of;
}

std::string categories_problem(const Categories& categories) {
    const std::vector<Category>& list = categories.list;
    if (list.size() > max_categories) {
        return "a class can have at most " + std::to_string(max_categories) + " categories";
    }
    for (std::size_t c = 0; c < list.size(); ++c) {
        const Category& category = list[c];
        const std::string number = std::to_string(c + 1);
        if (category.name.find_first_not_of(' ') == std::string::npos) {
            return "category " + number + " has no name";
        }
        if (std::ranges::any_of(category.name, [](char ch) {
                return static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F;
            })) {
            return "the name of category " + number + " holds a control character";
        }
        if (category.name.size() > max_category_name) {
            return "the name " + quoted(category.name) + " is longer than " +
                   std::to_string(max_category_name) + " characters";
        }
        for (std::size_t earlier = 0; earlier < c; ++earlier) {
            if (same_ignoring_case(list[earlier].name, category.name)) {
                return "two categories are named " + quoted(category.name);
            }
        }
        // Written so that a NaN fails too.
        if (!(category.weight >= 0 && category.weight <= max_category_weight)) {
            return "the weight of " + quoted(category.name) + " must be a number from 0 to 100";
        }
        if (category.drop_lowest < 0 || category.drop_lowest > max_drop_lowest) {
            return "the number of scores to drop from " + quoted(category.name) +
                   " must be a whole number from 0 to 10";
        }
    }
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        const std::int16_t c = categories.of[a];
        if (c < -1 || c >= static_cast<std::int16_t>(list.size())) {
            return "assignment " + std::to_string(a + 1) + " is in a category that does not exist";
        }
    }
    return {};
}

CategoryScore category_score(const Categories& categories, std::size_t c, std::int16_t student) {
    std::array<Counted, assignment_slots> counted;
    std::size_t count = 0;
    const student_rec& s = students[student];
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        if (in_category(categories, a, c) && s.scores[a] != excused) {
            counted[count++] = {s.scores[a], asg_points[a], a};
        }
    }
    const int drop_lowest = c < categories.list.size() ? categories.list[c].drop_lowest : 0;
    return score_of(std::span{counted}.first(count), drop_lowest);
}

double weighted_average(const Categories& categories, std::int16_t student) {
    // One pass over the assignments sorts the counted scores into their categories; the class
    // panel takes this for every student several times over.
    std::array<std::array<Counted, assignment_slots>, max_categories> counted;
    std::array<std::size_t, max_categories> count{};
    const std::size_t categories_count = std::min(categories.list.size(), max_categories);
    const student_rec& s = students[student];
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        const std::int16_t c = categories.of[a];
        if (c >= 0 && static_cast<std::size_t>(c) < categories_count && assignment_used(a) &&
            s.scores[a] != excused) {
            const auto i = static_cast<std::size_t>(c);
            counted[i][count[i]++] = {s.scores[a], asg_points[a], a};
        }
    }
    std::array<CategoryScore, max_categories> scores;
    double weight_total = 0;
    for (std::size_t c = 0; c < categories_count; ++c) {
        scores[c] = score_of(std::span{counted[c]}.first(count[c]), categories.list[c].drop_lowest);
        if (scores[c].counted) {
            weight_total += categories.list[c].weight;
        }
    }
    if (!(weight_total > 0)) {
        return 0;
    }
    // Each weight's share first, so that a single category gives its fraction exactly.
    double average = 0;
    for (std::size_t c = 0; c < categories_count; ++c) {
        if (scores[c].counted) {
            average += categories.list[c].weight / weight_total * scores[c].fraction;
        }
    }
    return average;
}

bool drop_assignment_category(std::int16_t assignment) {
    std::int16_t& c = class_categories().of[assignment];
    if (c == -1) {
        return false;
    }
    c = -1;
    return true;
}

} // namespace quillmark
