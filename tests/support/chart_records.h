#pragma once

#include <string>

namespace quillmark::testing {

// The chart file records of count present, empty desks.
inline std::string empty_desks(int count) {
    std::string records;
    for (int i = 0; i < count; ++i) {
        records += "\r\n1\r\n";
    }
    return records;
}

} // namespace quillmark::testing
