#include "classdata/class_data.h"
#include "gradebook/roster_import.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <string>

namespace quillmark {
namespace {

// A list of 300 students with accents, read, planned and added to an empty class.
void import_300_students(benchmark::State& state) {
    std::string list = "\xEF\xBB\xBFLast Name,First Name,Student ID,Email\r\n";
    for (int k = 0; k < student_slots; ++k) {
        list += "Last\xC3\xA9" + std::to_string(k) + ",\"First, " + std::to_string(k) + "\"," +
                std::to_string(100000 + k) + ",student" + std::to_string(k) + "@school.org\r\n";
    }
    for (auto _ : state) {
        state.PauseTiming();
        clear_class();
        state.ResumeTiming();
        std::istringstream in{list};
        RosterPlan plan;
        if (!plan_roster_import(in, "list.csv", plan) || plan.students.size() != 300) {
            state.SkipWithError("the list did not read as 300 students");
            break;
        }
        apply_roster_import(plan);
    }
}
BENCHMARK(import_300_students)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillmark
