#include "seating/automatic_seating.h"

#include "classdata/class_data.h"
#include "classdata/random_generator.h"
#include "grading/ordering.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quillmark {
namespace {

std::string desk_name(const student_rec& student) {
    return student.first_name + " " + student.last_name.substr(0, 1) + ".";
}

// A slot from 0 to last, drawn as the whole part of a draw in [0, 1) times last + 1.
int random_slot(int last) {
    // In double precision the product of a single-precision draw stays below last + 1; the
    // bound still holds should the generator ever give 1.
    const auto slot = static_cast<int>(std::floor(double{random_single()} * (last + 1)));
    return std::min(slot, last);
}

} // namespace

void seatauto(Desks& desks, SeatingPlan plan) {
    if (plan == SeatingPlan::alphabetical) {
        sort_by_name();
    } else {
        shuffle_students();
    }

    // An empty class seats nobody, rather than a blank name on the first desk.
    const int last = last_student() == 0 && !student_used(0) ? -1 : last_student();
    int next = 0;
    std::size_t desk = 0;
    for (; desk < desks.size() && next <= last; ++desk) {
        if (desks[desk].present) {
            desks[desk].text = desk_name(students[next]);
            ++next;
        }
    }
    for (; desk < desks.size(); ++desk) {
        desks[desk].text.clear();
    }
}

void shuffle_students() {
    const int last = last_student();
    if (last < 3) {
        return;
    }
    for (int round = 0; round <= last; ++round) {
        const int a = random_slot(last);
        int b = random_slot(last);
        while (b == a) {
            b = random_slot(last);
        }
        std::swap(students[a], students[b]);
    }
}

} // namespace quillmark
