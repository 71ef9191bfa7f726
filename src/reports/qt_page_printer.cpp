#include "reports/qt_page_printer.h"

#include "ui/printer_list.h"
#include "ui/text.h"

#include <algorithm>
#include <utility>

#include <QDir>
#include <QFontMetricsF>
#include <QPrinter>

namespace quillmark {
namespace {

// What went wrong at step ("start the document", ...), as the user can act on it.
QString failure_reason(const QPrinter& printer, const QString& step) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return QStringLiteral("the file \"%1\" could not be written")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    }
    return QStringLiteral("it could not %1").arg(step);
}

// The average character width as the fonts of the Windows era state it: lowercase letters and
// the blank weighted by how often English uses them (Arial: 904/2048 em). The metric twins
// average every glyph instead, which would put a column a third further right.
double average_char_width(const QFontMetricsF& metrics) {
    static constexpr std::pair<char, int> per_thousand[] = {
        {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14},
        {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20}, {'n', 56},
        {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71}, {'u', 31},
        {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166}};
    double width = 0.0;
    for (const auto& [character, weight] : per_thousand) {
        width += metrics.horizontalAdvance(QLatin1Char{character}) * weight;
    }
    return width / 1000.0;
}

// A system printer's queue, rather than a file.
bool prints_to_queue(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty();
}

} // namespace

QtPagePrinter::QtPagePrinter(QPrinter& printer)
    : printer_{printer}
    , font_{QStringLiteral("Arial"), 10} {}

QtPagePrinter::~QtPagePrinter() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

void QtPagePrinter::set_font_name(const std::string& name) {
    // Fontconfig serves the faces of the Windows era by their metric twins.
    font_.setFamily(ui::to_qstring(name));
}

void QtPagePrinter::set_font_size(int points) {
    font_.setPointSize(points);
}

void QtPagePrinter::set_bold(bool on) {
    font_.setBold(on);
}

void QtPagePrinter::set_italic(bool on) {
    font_.setItalic(on);
}

void QtPagePrinter::set_underline(bool on) {
    font_.setUnderline(on);
}

void QtPagePrinter::set_landscape() {
    // Once the document has started, the next page takes it.
    printer_.setPageOrientation(QPageLayout::Landscape);
}

void QtPagePrinter::print_line(const std::string& text) {
    if (make_room_for_line()) {
        draw(ui::to_qstring(text), 0.0);
        top_ += QFontMetricsF{font_, &printer_}.lineSpacing();
    }
}

void QtPagePrinter::print_line_at_column(const std::string& start, int column,
                                         const std::string& rest) {
    if (make_room_for_line()) {
        const QFontMetricsF metrics{font_, &printer_};
        draw(ui::to_qstring(start), 0.0);
        draw(ui::to_qstring(rest), column * average_char_width(metrics));
        top_ += metrics.lineSpacing();
    }
}

void QtPagePrinter::end_document() {
    if (!failure_.isEmpty()) {
        return;
    }
    // A document without a line is still one (empty) page.
    if (!painter_.isActive() && !start_document()) {
        return;
    }
    if (!painter_.end()) {
        failure_ = failure_reason(printer_, QStringLiteral("finish the document"));
    } else if (prints_to_queue(printer_)) {
        // Qt's print engine reports success whatever the queue answered.
        failure_ = ui::job_refusal();
    }
    top_ = 0.0;
}

double QtPagePrinter::line_height(const std::string& font_name, int points) const {
    QFont font{ui::to_qstring(font_name)};
    font.setPointSize(points);
    return QFontMetricsF{font, &printer_}.lineSpacing();
}

double QtPagePrinter::current_line_height() const {
    return QFontMetricsF{font_, &printer_}.lineSpacing();
}

double QtPagePrinter::room_left() const {
    return page_height() - top_;
}

void QtPagePrinter::new_page() {
    if (!failure_.isEmpty() || !painter_.isActive() || top_ <= 0.0) {
        return;
    }
    if (!printer_.newPage()) {
        failure_ = failure_reason(printer_, QStringLiteral("start a new page"));
    }
    fit_page();
    top_ = 0.0;
}

bool QtPagePrinter::make_room_for_line() {
    if (!failure_.isEmpty()) {
        return false;
    }
    if (!painter_.isActive()) {
        return start_document();
    }
    // A line taller than the page goes on a page of its own rather than on no page.
    if (current_line_height() > room_left()) {
        new_page();
    }
    return failure_.isEmpty();
}

bool QtPagePrinter::start_document() {
    if (prints_to_queue(printer_)) {
        failure_ = ui::queue_refusal(printer_.printerName());
        if (!failure_.isEmpty()) {
            return false;
        }
    }
    if (!painter_.begin(&printer_)) {
        failure_ = failure_reason(printer_, QStringLiteral("start the document"));
        return false;
    }
    fit_page();
    top_ = 0.0;
    return true;
}

double QtPagePrinter::page_height() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).height() / page_scale();
}

double QtPagePrinter::page_scale() const {
    const QPageLayout layout = printer_.pageLayout();
    // Letter paper less a quarter inch on either side, in points.
    const double letter_width =
        layout.orientation() == QPageLayout::Portrait ? 8 * 72.0 : 10.5 * 72.0;
    const double width = layout.paintRect(QPageLayout::Point).width();
    return width > 0.0 ? std::min(1.0, width / letter_width) : 1.0;
}

void QtPagePrinter::fit_page() {
    painter_.resetTransform();
    painter_.scale(page_scale(), page_scale());
}

void QtPagePrinter::draw(const QString& text, double x) {
    painter_.setFont(font_);
    painter_.drawText(QPointF{x, top_ + painter_.fontMetrics().ascent()}, text);
}

} // namespace quillmark
