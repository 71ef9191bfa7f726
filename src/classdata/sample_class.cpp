#include "classdata/sample_class.h"

#include "classdata/atomic_file.h"

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace quillmark {

void place_sample_class(const std::filesystem::path& folder, const std::filesystem::path& sample) {
    std::error_code error;
    if (!std::filesystem::is_empty(folder, error) || error) {
        return;
    }
    std::ifstream in{sample, std::ios::binary};
    const std::string bytes{std::istreambuf_iterator<char>{in}, std::istreambuf_iterator<char>{}};
    if (!in.is_open() || in.bad()) {
        return;
    }
    // Without the sample the teacher starts from an empty list, as with a missing picture.
    static_cast<void>(write_file_atomically(folder / "Sample.cls", bytes));
}

} // namespace quillmark
