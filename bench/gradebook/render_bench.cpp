#include "classdata/class_data.h"
#include "full_class.h"
#include "gradebook/gradebook_window.h"

#include <benchmark/benchmark.h>

namespace {

// The repaint after a score box is left: the grid already shows what the data holds.
void render_data_unchanged(benchmark::State& state) {
    quillmark::bench::fill_full_class();
    quillmark::Form1 window;
    window.load();
    for (auto _ : state) {
        window.render_data();
    }
}
BENCHMARK(render_data_unchanged)->Unit(benchmark::kMicrosecond);

// The repaint after scrolling: every box and label of the grid gets a new text.
void render_data_scrolled(benchmark::State& state) {
    quillmark::bench::fill_full_class();
    quillmark::Form1 window;
    window.load();
    std::int16_t row = 0;
    for (auto _ : state) {
        row = static_cast<std::int16_t>(row == 0 ? 10 : 0);
        quillmark::top_student = row;
        quillmark::left_assignment = row;
        window.render_data();
    }
}
BENCHMARK(render_data_scrolled)->Unit(benchmark::kMicrosecond);

} // namespace
