#include "grading/categories_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

// Whatever the bytes, a file read back from what was written reads the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in{std::string{reinterpret_cast<const char*>(data), size}};
    std::string problem;
    const std::optional<quillmark::Categories> read = quillmark::read_categories(in, problem);
    if (!read) {
        return 0;
    }
    std::stringstream file;
    quillmark::write_categories(file, *read);
    const std::optional<quillmark::Categories> again = quillmark::read_categories(file, problem);
    if (!again || again->of != read->of || again->list.size() != read->list.size() ||
        again->in_use != read->in_use) {
        std::abort();
    }
    return 0;
}
