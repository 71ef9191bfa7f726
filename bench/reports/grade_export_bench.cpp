#include "classdata/class_data.h"
#include "full_class.h"
#include "reports/grade_export.h"

#include <benchmark/benchmark.h>
#include <sstream>

namespace quillmark {
namespace {

// A full class's grades in one layout, into memory: 300 rows of 200 scores.
void export_full_class(benchmark::State& state) {
    bench::fill_full_class();
    const auto format = static_cast<ExportFormat>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        write_grades_csv(out, format);
        bytes = out.view().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(export_full_class)->ArgName("format")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillmark
