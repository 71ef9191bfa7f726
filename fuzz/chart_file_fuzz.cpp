#include "seating/chart_file.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in{std::string{reinterpret_cast<const char*>(data), size}};
    quillmark::Desks desks;
    quillmark::read_chart(in, desks);
    return 0;
}
