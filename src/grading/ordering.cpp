#include "grading/ordering.h"

#include "classdata/class_data.h"
#include "grading/statistics.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace quillmark {
namespace {

// Upper case of one Windows-1252 byte: a to z, the accented small letters (but not the
// division sign) and the four small letters whose capitals sit elsewhere in the code page.
unsigned char upper_cp1252(unsigned char byte) {
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
        return static_cast<unsigned char>(byte - 0x20);
    }
    switch (byte) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return byte;
    }
}

// Whether upper-cased a sorts after upper-cased b in character-code order.
bool name_after(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t k = 0; k < common; ++k) {
        const unsigned char x = upper_cp1252(static_cast<unsigned char>(a[k]));
        const unsigned char y = upper_cp1252(static_cast<unsigned char>(b[k]));
        if (x != y) {
            return x > y;
        }
    }
    return a.size() > b.size();
}

// The exchange sort both orderings share; the order of equal keys follows from its exact
// sequence of exchanges, so it must not be replaced by a library sort.
template <typename BelongsAfter, typename Exchange>
void exchange_sort(std::int16_t n, BelongsAfter belongs_after, Exchange exchange) {
    for (std::int16_t i = 0; i < n; ++i) {
        for (auto j = static_cast<std::int16_t>(i + 1); j <= n; ++j) {
            if (belongs_after(i, j)) {
                exchange(i, j);
            }
        }
    }
}

void exchange_records(std::int16_t i, std::int16_t j) {
    std::swap(students[i], students[j]);
}

} // namespace

void sort_by_name() {
    exchange_sort(
        last_student(),
        [](std::int16_t i, std::int16_t j) {
            return name_after(students[i].last_name, students[j].last_name);
        },
        exchange_records);
}

void sort_by_average() {
    // An average depends on its own record alone, so it travels with the record instead of
    // being worked out again at every comparison: the comparisons, and the order, are the same.
    const std::int16_t n = last_student();
    std::array<double, student_slots> averages{};
    for (std::int16_t s = 0; s <= n; ++s) {
        averages[s] = student_average(s);
    }
    exchange_sort(
        n, [&averages](std::int16_t i, std::int16_t j) { return averages[j] > averages[i]; },
        [&averages](std::int16_t i, std::int16_t j) {
            exchange_records(i, j);
            std::swap(averages[i], averages[j]);
        });
}

} // namespace quillmark
