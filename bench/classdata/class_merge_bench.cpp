#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/class_merge.h"
#include "full_class.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <string>
#include <vector>

namespace quillmark {
namespace {

std::string class_text() {
    std::ostringstream out;
    write_class(out);
    return out.str();
}

// Changes 500 scores, spread over the class; `offset` keeps the two copies' cells apart.
void change_scores(int offset) {
    for (int k = 0; k < 500; ++k) {
        const int cell = k * 120 + offset;
        std::int16_t& score = students[cell / assignment_slots].scores[cell % assignment_slots];
        score = static_cast<std::int16_t>(score + 1);
    }
}

// Two full classes that differ in 1,000 cells, 500 changed in each copy.
void BM_merge_class(benchmark::State& state) {
    bench::fill_full_class();
    const std::string base = class_text();
    change_scores(0);
    const std::string theirs = class_text();
    bench::fill_full_class();
    change_scores(60);
    const auto ours = students;
    std::vector<MergeConflict> conflicts;
    for (auto _ : state) {
        if (!merge_class(base, theirs, conflicts) || !conflicts.empty()) {
            state.SkipWithError("the merge failed");
        }
        state.PauseTiming();
        students = ours;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_merge_class)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillmark
