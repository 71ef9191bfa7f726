#pragma once

#include "reports/page_printer.h"
#include "reports/page_space.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace quillmark::testing {

// A page printer that keeps a transcript: every line, preceded by a line "@<font state>"
// wherever the state changes; a line in pieces reads start + "<column>" + rest, and the end of
// a document reads "<end of document>". Tests compare whole transcripts, so a wrong blank, font
// or style shows in the diff.
// With a page height, lines also fall on pages, each line as high as its font's size in points
// (10 before a font is set), and "<new page>" marks where a page starts.
class RecordingPrinter : public PagePrinter, public PageSpace {
public:
    void set_font_name(const std::string& name) override { font_ = name; }
    void set_font_size(int points) override { size_ = points; }
    void set_bold(bool on) override { bold_ = on; }
    void set_italic(bool on) override { italic_ = on; }
    void set_underline(bool on) override { underline_ = on; }
    void set_landscape() override { landscape_ = true; }
    void print_line(const std::string& text) override {
        if (current_line_height() > room_left()) {
            new_page();
        }
        used_ += current_line_height();
        const std::string state = "@" + font_ + " " + std::to_string(size_) +
                                  (bold_ ? " bold" : "") + (italic_ ? " italic" : "") +
                                  (underline_ ? " underline" : "") +
                                  (landscape_ ? " landscape" : "");
        if (state != in_force_) {
            transcript.push_back(in_force_ = state);
        }
        transcript.push_back(text);
        lines.push_back(text);
    }
    void print_line_at_column(const std::string& start, int column,
                              const std::string& rest) override {
        print_line(start + "<" + std::to_string(column) + ">" + rest);
    }
    void end_document() override { transcript.emplace_back("<end of document>"); }

    double line_height(const std::string& /*font_name*/, int points) const override {
        return points;
    }
    double current_line_height() const override { return size_ > 0 ? size_ : 10; }
    double room_left() const override {
        return page_height ? *page_height - used_ : std::numeric_limits<double>::infinity();
    }
    void new_page() override {
        if (used_ > 0) {
            transcript.emplace_back("<new page>");
            lines.emplace_back("<new page>");
            used_ = 0;
        }
    }

    std::vector<std::string> transcript;
    std::vector<std::string> lines; // the printed lines and page breaks alone
    std::optional<double> page_height;

private:
    std::string font_;
    int size_ = 0;
    bool bold_ = false, italic_ = false, underline_ = false, landscape_ = false;
    std::string in_force_;
    double used_ = 0; // of the current page
};

} // namespace quillmark::testing
