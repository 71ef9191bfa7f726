#include "classdata/class_data.h"
#include "full_class.h"
#include "gradebook/class_history.h"
#include "grading/curve.h"
#include "grading/ordering.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <string>

namespace {

using quillmark::ClassHistory;

// The kinds of step, from the smallest to the largest a full class can take: one typed score,
// a curve (a score of every student), a sort (every record moved), and a change to every
// record's texts (as an import of a whole class would make).
enum Kind { score, curve, sort, texts };

// The k-th change of its kind; each differs from the one before.
void change(Kind kind, int k) {
    using namespace quillmark;
    switch (kind) {
    case score:
        students[k % student_slots].scores[0] = static_cast<std::int16_t>(k % 100);
        break;
    case curve:
        lcurve(static_cast<std::int16_t>(k % assignment_slots), 1);
        break;
    case sort:
        k % 2 == 0 ? sort_by_name() : sort_by_average();
        break;
    case texts:
        for (std::int16_t s = 0; s < student_slots; ++s) {
            students[s].notes = "Changed notes on student " + std::to_string(s + k);
        }
        break;
    }
}

void record(ClassHistory& history, Kind kind, int k) {
    const quillmark::ClassSnapshot before = quillmark::capture_class();
    change(kind, k);
    history.record_step("Step", before);
}

// The capture before the change and the recording after it; the change itself is not timed.
void record_one_step(benchmark::State& state) {
    const auto kind = static_cast<Kind>(state.range(0));
    quillmark::bench::fill_full_class();
    ClassHistory history;
    int k = 0;
    for (auto _ : state) {
        const quillmark::ClassSnapshot before = quillmark::capture_class();
        state.PauseTiming();
        change(kind, ++k);
        state.ResumeTiming();
        benchmark::DoNotOptimize(history.record_step("Step", before));
    }
}
BENCHMARK(record_one_step)->DenseRange(score, texts)->Unit(benchmark::kMillisecond);

void undo_one_step(benchmark::State& state) {
    const auto kind = static_cast<Kind>(state.range(0));
    quillmark::bench::fill_full_class();
    ClassHistory history;
    record(history, kind, 1);
    for (auto _ : state) {
        history.undo();
        state.PauseTiming();
        history.redo();
        state.ResumeTiming();
    }
}
BENCHMARK(undo_one_step)->DenseRange(score, texts)->Unit(benchmark::kMillisecond);

// The heap a full history of one kind of step holds, in the counter "MB".
void memory_of_200_steps(benchmark::State& state) {
    const auto kind = static_cast<Kind>(state.range(0));
    for (auto _ : state) {
        quillmark::bench::fill_full_class();
        ClassHistory history;
        const std::size_t heap_before = mallinfo2().uordblks;
        for (int k = 1; k <= static_cast<int>(ClassHistory::history_steps); ++k) {
            record(history, kind, k);
        }
        state.counters["MB"] =
            static_cast<double>(mallinfo2().uordblks - heap_before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(memory_of_200_steps)->DenseRange(score, texts)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
