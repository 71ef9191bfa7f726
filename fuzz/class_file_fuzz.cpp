#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/class_merge.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes{reinterpret_cast<const char*>(data), size};
    quillmark::clear_class();
    std::istringstream in{bytes};
    static_cast<void>(quillmark::read_class(in, "fuzz.cls"));
    // The input is also a copy to merge: the other copy of a new class, then the base of a copy
    // that is now empty.
    std::vector<quillmark::MergeConflict> conflicts;
    static_cast<void>(quillmark::merge_class({}, bytes, conflicts));
    static_cast<void>(quillmark::merge_class_choosing(bytes, {}, conflicts, {true, false, true}));
    return 0;
}
