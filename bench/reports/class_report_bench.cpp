#include "classdata/class_data.h"
#include "full_class.h"
#include "reports/class_report.h"
#include "support/recording_printer.h"

#include <benchmark/benchmark.h>

namespace quillmark {
namespace {

// The whole overall class report of a full class, all 20 blocks, as the print dialog asks for
// it, into a printer that only keeps the lines.
void class_report_of_full_class(benchmark::State& state) {
    bench::fill_full_class();
    class_file = "Full.cls";
    std::size_t lines = 0;
    for (auto _ : state) {
        testing::RecordingPrinter printer;
        for (int k = 0; k <= last_assignment(); k += 10) {
            print_class_report(printer, static_cast<std::int16_t>(k + 1),
                               static_cast<std::int16_t>(k + 10), "12/6/26");
        }
        printer.end_document();
        lines = printer.lines.size();
        benchmark::DoNotOptimize(printer.lines.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(class_report_of_full_class)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillmark
