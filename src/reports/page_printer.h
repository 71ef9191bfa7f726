#pragma once

#include <string>

namespace quillmark {

// What every printout asks of a printer. Lines flow down the page and a full page starts the
// next by itself; texts are Windows-1252 bytes.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;
    virtual void set_font_name(const std::string& name) = 0; // "Arial", "Courier New"
    virtual void set_font_size(int points) = 0;
    virtual void set_bold(bool on) = 0;
    virtual void set_italic(bool on) = 0;
    virtual void set_underline(bool on) = 0;
    virtual void set_landscape() = 0;
    virtual void print_line(const std::string& text) = 0;
    // start, then rest beginning at character column `column` of the current font
    virtual void print_line_at_column(const std::string& start, int column,
                                      const std::string& rest) = 0;
    virtual void end_document() = 0;
};

} // namespace quillmark
