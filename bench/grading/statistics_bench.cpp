#include "classdata/class_data.h"
#include "full_class.h"
#include "grading/categories.h"
#include "grading/statistics.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// What a refresh of the class panel computes.
void class_panel(benchmark::State& state) {
    for (auto _ : state) {
        double a = 0, b = 0, c = 0, d = 0, f = 0;
        benchmark::DoNotOptimize(quillmark::class_average());
        benchmark::DoNotOptimize(quillmark::class_std_dev());
        quillmark::class_distribution(a, b, c, d, f);
        benchmark::DoNotOptimize(a + b + c + d + f);
    }
}

void class_panel_statistics(benchmark::State& state) {
    quillmark::bench::fill_full_class();
    class_panel(state);
}
BENCHMARK(class_panel_statistics)->Unit(benchmark::kMicrosecond);

// The same with 12 weighted categories sharing the 200 assignments, each dropping scores.
void class_panel_statistics_with_categories(benchmark::State& state) {
    quillmark::bench::fill_full_class();
    quillmark::Categories& categories = quillmark::class_categories();
    categories.in_use = true;
    for (int c = 0; c < 12; ++c) {
        categories.list.push_back({"Category " + std::to_string(c + 1), 5.0 + c, c % 4 + 1});
    }
    for (std::int16_t a = 0; a < quillmark::assignment_slots; ++a) {
        categories.of[a] = static_cast<std::int16_t>(a % 12);
    }
    class_panel(state);
}
BENCHMARK(class_panel_statistics_with_categories)->Unit(benchmark::kMicrosecond);

} // namespace
