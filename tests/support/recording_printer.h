#pragma once

#include "reports/page_printer.h"

#include <string>
#include <vector>

namespace quillmark::testing {

// A page printer that keeps a transcript: every line, preceded by a line "@<font state>"
// wherever the state changes; a line in pieces reads start + "<column>" + rest, and the end of
// a document reads "<end of document>". Tests compare whole transcripts, so a wrong blank, font
// or style shows in the diff.
class RecordingPrinter : public PagePrinter {
public:
    void set_font_name(const std::string& name) override { font_ = name; }
    void set_font_size(int points) override { size_ = points; }
    void set_bold(bool on) override { bold_ = on; }
    void set_italic(bool on) override { italic_ = on; }
    void set_underline(bool on) override { underline_ = on; }
    void set_landscape() override { landscape_ = true; }
    void print_line(const std::string& text) override {
        std::string state = "@" + font_ + " " + std::to_string(size_) + (bold_ ? " bold" : "") +
                            (italic_ ? " italic" : "") + (underline_ ? " underline" : "") +
                            (landscape_ ? " landscape" : "");
        if (transcript.empty() || state != in_force_) {
            transcript.push_back(state);
            in_force_ = std::move(state);
        }
        transcript.push_back(text);
        lines.push_back(text);
    }
    void print_line_at_column(const std::string& start, int column,
                              const std::string& rest) override {
        print_line(start + "<" + std::to_string(column) + ">" + rest);
    }
    void end_document() override { transcript.emplace_back("<end of document>"); }

    std::vector<std::string> transcript;
    std::vector<std::string> lines; // the printed lines alone

private:
    std::string font_;
    int size_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    bool landscape_ = false;
    std::string in_force_;
};

} // namespace quillmark::testing
