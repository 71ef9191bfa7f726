#include "reports/page_space.h"

namespace quillmark {
namespace {

// Adds up the heights of the lines printed into it, in the fonts they are printed in.
class LineHeights : public PagePrinter {
public:
    explicit LineHeights(const PageSpace& space)
        : space_{space} {}

    void set_font_name(const std::string& name) override { name_ = name; }
    void set_font_size(int points) override { points_ = points; }
    void set_bold(bool /*on*/) override {}
    void set_italic(bool /*on*/) override {}
    void set_underline(bool /*on*/) override {}
    void set_landscape() override {}
    void print_line(const std::string& /*text*/) override {
        // Until the lines set a font of their own, they are in the printer's.
        total_ += name_.empty() ? space_.current_line_height() : space_.line_height(name_, points_);
    }
    void print_line_at_column(const std::string& start, int /*column*/,
                              const std::string& /*rest*/) override {
        print_line(start);
    }
    void end_document() override {}

    double total() const { return total_; }

private:
    const PageSpace& space_;
    std::string name_;
    int points_ = 0;
    double total_ = 0.0;
};

} // namespace

void keep_on_one_page(PagePrinter& printer, const std::function<void(PagePrinter&)>& lines) {
    auto* space = dynamic_cast<PageSpace*>(&printer);
    if (space == nullptr) {
        return;
    }
    LineHeights heights{*space};
    lines(heights);
    if (heights.total() > space->room_left()) {
        space->new_page();
    }
}

} // namespace quillmark
