#pragma once

#include "support/csv_reader.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quillmark::testing {

// The first sheet of a workbook as read_xlsx.py writes it, read by openpyxl, which the install
// step brings for Debian's own Python (another python3 may come first on the path): the reader
// is not ours, so a workbook it cannot read fails the test.
inline CsvRows read_xlsx(const std::filesystem::path& workbook) {
    const std::filesystem::path cells = workbook.string() + ".cells";
    const std::string command = "/usr/bin/python3 '" QUILLMARK_XLSX_READER "' '" +
                                workbook.string() + "' > '" + cells.string() + "'";
    if (std::system(command.c_str()) != 0) {
        throw std::runtime_error{"not a readable workbook: " + workbook.string()};
    }
    std::ostringstream text;
    text << std::ifstream{cells, std::ios::binary}.rdbuf();
    std::filesystem::remove(cells);
    return read_csv(text.view());
}

} // namespace quillmark::testing
