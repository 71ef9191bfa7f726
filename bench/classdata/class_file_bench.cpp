#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/program_folder.h"
#include "classdata/shared_class_file.h"
#include "full_class.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

namespace quillmark {
namespace {

// A fresh program folder for the class file, removed when the benchmark ends.
class BenchFolder {
public:
    BenchFolder() {
        std::random_device entropy;
        path_ = std::filesystem::temp_directory_path() /
                ("quillmark-bench-" + std::to_string(entropy()) + std::to_string(entropy()));
        std::filesystem::create_directories(path_);
        set_program_folder(path_);
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

private:
    std::filesystem::path path_;
};

void BM_save_class(benchmark::State& state) {
    const BenchFolder folder;
    bench::fill_full_class();
    class_file = "Full class.cls";
    for (auto _ : state) {
        if (!save_class(in_program_folder(class_file))) {
            state.SkipWithError("the save failed");
        }
    }
}
BENCHMARK(BM_save_class)->Unit(benchmark::kMillisecond);

// The same bytes without the disk, to tell the formatting from the flush to the disk.
void BM_write_class(benchmark::State& state) {
    bench::fill_full_class();
    for (auto _ : state) {
        std::ostringstream out;
        write_class(out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_write_class)->Unit(benchmark::kMillisecond);

// The class manager clears the class before every load, so the clearing is timed too.
void BM_load_class(benchmark::State& state) {
    const BenchFolder folder;
    bench::fill_full_class();
    class_file = "Full class.cls";
    if (!save_class(in_program_folder(class_file))) {
        state.SkipWithError("the save failed");
    }
    for (auto _ : state) {
        clear_class();
        if (!load_class()) {
            state.SkipWithError("the load failed");
        }
    }
}
BENCHMARK(BM_load_class)->Unit(benchmark::kMillisecond);

// What every save adds to look for another copy's changes when there are none.
void BM_look_at_unchanged_class_file(benchmark::State& state) {
    const BenchFolder folder;
    bench::fill_full_class();
    class_file = "Full class.cls";
    if (!write_open_class()) {
        state.SkipWithError("the save failed");
    }
    for (auto _ : state) {
        if (class_file_changed_elsewhere()) {
            state.SkipWithError("the file looked changed");
        }
    }
}
BENCHMARK(BM_look_at_unchanged_class_file)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillmark
