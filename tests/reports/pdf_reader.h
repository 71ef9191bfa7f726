#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace quillmark::testing {

// A PDF file read back with poppler-utils; a missing tool fails the test.

// The printed lines, pages one after another, each with its runs of blanks made one and
// trimmed; empty lines dropped.
std::vector<std::string> pdf_lines(const std::filesystem::path& file);

struct PdfWord {
    double left = 0.0; // points from the page's top left corner
    double top = 0.0;
    double bottom = 0.0;
    std::string text; // UTF-8, with "&", "<" and ">" as HTML entities
};
struct PdfPage {
    double width = 0.0; // points
    double height = 0.0;
    std::vector<PdfWord> words;
};
std::vector<PdfPage> pdf_pages(const std::filesystem::path& file);

// The fonts the file uses, without the prefix of an embedded subset.
std::set<std::string> pdf_fonts(const std::filesystem::path& file);

} // namespace quillmark::testing
