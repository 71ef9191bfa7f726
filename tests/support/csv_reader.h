#pragma once

#include <csv.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark::testing {

using CsvRows = std::vector<std::vector<std::string>>;

// Every cell of a comma-separated text, read by libcsv in strict mode; blanks around unquoted
// cells are dropped as RFC 4180 readers do, so a writer that forgets to quote them shows.
inline CsvRows read_csv(std::string_view text) {
    csv_parser parser{};
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    CsvRows rows(1);
    const auto cell = [](void* field, std::size_t size, void* data) {
        static_cast<CsvRows*>(data)->back().emplace_back(static_cast<const char*>(field), size);
    };
    const auto row = [](int, void* data) { static_cast<CsvRows*>(data)->emplace_back(); };
    const bool read = csv_parse(&parser, text.data(), text.size(), cell, row, &rows) == text.size();
    csv_fini(&parser, cell, row, &rows);
    const bool strict = csv_error(&parser) == CSV_SUCCESS;
    csv_free(&parser);
    if (!read || !strict) {
        throw std::runtime_error{"not valid CSV"};
    }
    rows.pop_back();
    return rows;
}

} // namespace quillmark::testing
