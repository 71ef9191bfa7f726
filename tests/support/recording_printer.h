#pragma once

#include "reports/page_printer.h"

#include <string>
#include <vector>

namespace quillmark::testing {

// A page printer that keeps every line with the font state in force when it was printed.
class RecordingPrinter : public PagePrinter {
public:
    struct Line {
        std::string text; // for a line in pieces: start + rest
        std::string font_name;
        int font_size = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool landscape = false;
        int column = -1; // where rest starts for a line in pieces, else -1
        std::string start;
        std::string rest;
        int document = 0; // documents ended before this line
    };

    void set_font_name(const std::string& name) override { state_.font_name = name; }
    void set_font_size(int points) override { state_.font_size = points; }
    void set_bold(bool on) override { state_.bold = on; }
    void set_italic(bool on) override { state_.italic = on; }
    void set_underline(bool on) override { state_.underline = on; }
    void set_landscape() override { state_.landscape = true; }
    void print_line(const std::string& text) override {
        Line line = state_;
        line.text = text;
        line.document = documents_ended;
        lines.push_back(std::move(line));
    }
    void print_line_at_column(const std::string& start, int column,
                              const std::string& rest) override {
        print_line(start + rest);
        lines.back().column = column;
        lines.back().start = start;
        lines.back().rest = rest;
    }
    void end_document() override { ++documents_ended; }

    // The lines as text, each preceded by a line "@<font state>" wherever the state changes;
    // a line in pieces reads start + "<column>" + rest. Tests compare whole transcripts, so a
    // wrong blank, font or style shows in the diff.
    std::vector<std::string> transcript() const {
        std::vector<std::string> out;
        std::string in_force;
        for (const Line& line : lines) {
            const std::string state = style_of(line);
            if (out.empty() || state != in_force) {
                out.push_back(state);
                in_force = state;
            }
            out.push_back(line.column < 0
                              ? line.text
                              : line.start + "<" + std::to_string(line.column) + ">" + line.rest);
        }
        return out;
    }

    std::vector<Line> lines;
    int documents_ended = 0;

private:
    static std::string style_of(const Line& line) {
        std::string style = "@" + line.font_name + " " + std::to_string(line.font_size);
        style += line.bold ? " bold" : "";
        style += line.italic ? " italic" : "";
        style += line.underline ? " underline" : "";
        style += line.landscape ? " landscape" : "";
        return style;
    }

    Line state_;
};

} // namespace quillmark::testing
