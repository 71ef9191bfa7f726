#include "classdata/class_data.h"
#include "classdata/class_file.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillmark::clear_class();
    std::istringstream in{std::string{reinterpret_cast<const char*>(data), size}};
    static_cast<void>(quillmark::read_class(in, "fuzz.cls"));
    return 0;
}
