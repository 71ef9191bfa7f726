#include "full_class.h"
#include "grading/statistics.h"

#include <benchmark/benchmark.h>

namespace {

// What a refresh of the class panel computes.
void class_panel_statistics(benchmark::State& state) {
    quillmark::bench::fill_full_class();
    for (auto _ : state) {
        double a = 0, b = 0, c = 0, d = 0, f = 0;
        benchmark::DoNotOptimize(quillmark::class_average());
        benchmark::DoNotOptimize(quillmark::class_std_dev());
        quillmark::class_distribution(a, b, c, d, f);
        benchmark::DoNotOptimize(a + b + c + d + f);
    }
}
BENCHMARK(class_panel_statistics)->Unit(benchmark::kMicrosecond);

} // namespace
