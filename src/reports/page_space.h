#pragma once

#include "reports/page_printer.h"

#include <functional>
#include <string>

namespace quillmark {

// What a printer that breaks pages tells a printout about the page, beside PagePrinter, so the
// printout can keep lines together. Heights are in the printer's own unit; bold, italic and
// underline do not change them.
class PageSpace {
public:
    virtual ~PageSpace() = default;
    // The height of one line in the face and size given, and in the font in force.
    virtual double line_height(const std::string& font_name, int points) const = 0;
    virtual double current_line_height() const = 0;
    // The height left on the current page below the lines printed on it.
    virtual double room_left() const = 0;
    // The next line starts a new page; on a page without lines nothing changes.
    virtual void new_page() = 0;
};

// Starts a new page when the lines `lines` prints, printed next, would not fit on the current
// page together. It only measures them: the caller prints them afterwards. A printer that is
// not also a PageSpace is left as it is.
void keep_on_one_page(PagePrinter& printer, const std::function<void(PagePrinter&)>& lines);

} // namespace quillmark
