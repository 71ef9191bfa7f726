#include "classdata/class_data.h"
#include "classdata/program_folder.h"
#include "full_class.h"
#include "gradebook/gradebook_window.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// One tick of the autosave timer: the whole class written to disk, then the class panel.
void autosave_tick(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "quillmark-autosave-bench";
    std::filesystem::create_directories(folder);
    quillmark::set_program_folder(folder);
    quillmark::bench::fill_full_class();
    quillmark::class_file = "Full.cls";
    quillmark::Form1 window;
    window.load();
    for (auto _ : state) {
        window.autosave();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(autosave_tick)->Unit(benchmark::kMillisecond);

} // namespace
