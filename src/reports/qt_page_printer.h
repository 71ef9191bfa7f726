#pragma once

#include "reports/page_printer.h"

#include <QFont>
#include <QPainter>
#include <QString>

class QPrinter;

namespace quillmark {

// Prints onto a QPrinter: each line below the one before it from the top of the printable
// area, and a new page when the next line would not fit. The document starts with its first
// line, so an orientation set before that holds for every page.
class QtPagePrinter : public PagePrinter {
public:
    explicit QtPagePrinter(QPrinter& printer);
    ~QtPagePrinter() override;
    QtPagePrinter(const QtPagePrinter&) = delete;
    QtPagePrinter& operator=(const QtPagePrinter&) = delete;

    void set_font_name(const std::string& name) override;
    void set_font_size(int points) override;
    void set_bold(bool on) override;
    void set_italic(bool on) override;
    void set_underline(bool on) override;
    void set_landscape() override;
    void print_line(const std::string& text) override;
    void print_line_at_column(const std::string& start, int column,
                              const std::string& rest) override;
    void end_document() override;

    // Why the printer did not take the whole document, for the user ("it could not start the
    // document"); empty while nothing failed. After a failure nothing more is printed.
    const QString& failure() const { return failure_; }

private:
    // Starts the document or a new page as needed; false when nothing can be printed.
    bool make_room_for_line();
    void draw(const QString& text, double x);

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    double top_ = 0.0; // of the next line, in device pixels from the top of the printable area
    QString failure_;
};

} // namespace quillmark
