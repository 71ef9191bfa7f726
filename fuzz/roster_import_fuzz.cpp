#include "classdata/class_data.h"
#include "gradebook/roster_import.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

// Any bytes as a class list, planned and applied to a class with a few students already in it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillmark::clear_class();
    quillmark::students[0].id_number = "1001";
    quillmark::students[2].id_number = "1002";
    std::istringstream in{std::string{reinterpret_cast<const char*>(data), size}};
    quillmark::RosterPlan plan;
    if (quillmark::plan_roster_import(in, "fuzz.csv", plan)) {
        quillmark::apply_roster_import(plan);
        static_cast<void>(quillmark::roster_import_question(plan, "fuzz.csv"));
    }
    return 0;
}
