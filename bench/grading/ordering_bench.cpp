#include "full_class.h"
#include "grading/ordering.h"

#include <benchmark/benchmark.h>

namespace {

void sort_full_class_by_average(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        quillmark::bench::fill_full_class();
        state.ResumeTiming();
        quillmark::sort_by_average();
    }
}
BENCHMARK(sort_full_class_by_average)->Unit(benchmark::kMillisecond);

} // namespace
