#include "grading/statistics.h"

#include "classdata/class_data.h"
#include "classdata/numbers.h"
#include "grading/categories.h"
#include "grading/letter_grade.h"

#include <array>
#include <cmath>

namespace quillmark {
namespace {

// Calls f(score) for each used student's score on the assignment that counts.
template <typename F> void for_each_counted_score(std::int16_t assignment, F f) {
    for (std::int16_t s = 0; s < student_slots; ++s) {
        const std::int16_t score = students[s].scores[assignment];
        if (student_used(s) && score != excused) {
            f(score);
        }
    }
}

struct ScoreSum {
    int total = 0;
    int count = 0;
};

// The scores on the assignment that count, added up.
ScoreSum counted_score_sum(std::int16_t assignment) {
    ScoreSum sum;
    for_each_counted_score(assignment, [&](std::int16_t score) {
        sum.total += score;
        ++sum.count;
    });
    return sum;
}

// Calls f(student_average(s)) for each used student.
template <typename F> void for_each_student_average(F f) {
    for (std::int16_t s = 0; s < student_slots; ++s) {
        if (student_used(s)) {
            f(student_average(s));
        }
    }
}

// Tallies letters by their base letter and hands back the shares, all 0 when none was tallied.
class LetterTally {
public:
    void add(double percentage) {
        const char letter = letter_grade(percentage)[0];
        ++tally_[letter == 'F' ? 4 : static_cast<std::size_t>(letter - 'A')];
        ++count_;
    }

    void shares(double& a, double& b, double& c, double& d, double& f) const {
        const auto share = [this](std::size_t i) {
            return count_ == 0 ? 0.0 : static_cast<double>(tally_[i]) / count_;
        };
        a = share(0);
        b = share(1);
        c = share(2);
        d = share(3);
        f = share(4);
    }

private:
    std::array<int, 5> tally_{};
    int count_ = 0;
};

} // namespace

double student_average(std::int16_t student) {
    if (const Categories& categories = class_categories(); categories.in_use) {
        return weighted_average(categories, student);
    }
    int score_total = 0;
    int point_total = 0;
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        const std::int16_t score = students[student].scores[a];
        if (assignment_used(a) && score != excused) {
            score_total += score;
            point_total += asg_points[a];
        }
    }
    // Point values of 0 or below can leave a total that no fraction can be taken of.
    if (point_total <= 0) {
        return 0;
    }
    return static_cast<double>(score_total) / point_total;
}

double assignment_average(std::int16_t assignment) {
    // Without a positive point value a score is no fraction of anything.
    if (asg_points[assignment] <= 0) {
        return 0;
    }
    const ScoreSum sum = counted_score_sum(assignment);
    if (sum.count == 0) {
        return 0;
    }
    return static_cast<double>(sum.total) / (sum.count * asg_points[assignment]);
}

std::int16_t assignment_mean_score(std::int16_t assignment) {
    const ScoreSum sum = counted_score_sum(assignment);
    if (sum.count == 0) {
        return 0;
    }
    // A mean of 16-bit scores always fits 16 bits.
    return round_to_int16(static_cast<double>(sum.total) / sum.count).value_or(0);
}

double class_average() {
    double total = 0;
    int count = 0;
    for_each_student_average([&](double average) {
        total += average * 100;
        ++count;
    });
    return count == 0 ? 0 : total / count;
}

double assignment_std_dev(std::int16_t assignment) {
    const std::int16_t points = asg_points[assignment];
    if (points <= 0) {
        return 0;
    }
    const double mean = assignment_average(assignment);
    double sum = 0;
    int count = 0;
    for_each_counted_score(assignment, [&](std::int16_t score) {
        const double d = static_cast<double>(score) / points - mean;
        sum += d * d;
        ++count;
    });
    return count == 0 ? 0 : std::sqrt(sum / count);
}

double class_std_dev() {
    const double mean = class_average() / 100;
    double sum = 0;
    int count = 0;
    for_each_student_average([&](double average) {
        const double d = average - mean;
        sum += d * d;
        ++count;
    });
    return count == 0 ? 0 : std::sqrt(sum / count);
}

void assignment_distribution(std::int16_t assignment, double& a, double& b, double& c, double& d,
                             double& f) {
    LetterTally tally;
    const std::int16_t points = asg_points[assignment];
    if (points > 0) {
        for_each_counted_score(assignment, [&](std::int16_t score) {
            tally.add(static_cast<double>(score) / points * 100);
        });
    }
    tally.shares(a, b, c, d, f);
}

void class_distribution(double& a, double& b, double& c, double& d, double& f) {
    LetterTally tally;
    for_each_student_average([&](double average) { tally.add(average * 100); });
    tally.shares(a, b, c, d, f);
}

} // namespace quillmark
