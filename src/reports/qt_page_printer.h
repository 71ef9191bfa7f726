#pragma once

#include "reports/page_printer.h"
#include "reports/page_space.h"

#include <QFont>
#include <QPainter>
#include <QString>

class QPrinter;

namespace quillmark {

// Prints onto a QPrinter: each line below the one before it from the top of the printable
// area, and a new page when the next line would not fit. The document starts with its first
// line, so an orientation set before that holds for every page.
// The printouts are laid out for Letter paper less a quarter inch all round: 80 columns of
// 12-point Courier New across a portrait page. Paper with less room across, as A4, gets its
// pages drawn smaller to keep every column on them. Heights are device pixels before that.
// On a printer queue the document is checked twice: the queue must accept jobs before the first
// line is drawn, and must have taken the job when the document ends.
class QtPagePrinter : public PagePrinter, public PageSpace {
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

    double line_height(const std::string& font_name, int points) const override;
    double current_line_height() const override;
    double room_left() const override;
    void new_page() override;

    // Why the printer did not take the whole document, for the user ("it could not start the
    // document"); empty while nothing failed. After a failure nothing more is printed.
    const QString& failure() const { return failure_; }

private:
    // Starts the document or a new page as needed; false when nothing can be printed.
    bool make_room_for_line();
    bool start_document();
    // The printable height, and the scale that fits the Letter layout across the page.
    double page_height() const;
    double page_scale() const;
    void fit_page();
    void draw(const QString& text, double x);

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    double top_ = 0.0; // of the next line, in device pixels from the top of the printable area
    QString failure_;
};

} // namespace quillmark
