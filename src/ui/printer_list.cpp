#include "ui/printer_list.h"

#include <QMarginsF>
#include <QPrinter>
#include <QPrinterInfo>

namespace quillmark::ui {

QStringList printer_names() {
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(pdf_printer_name);
    return names;
}

std::unique_ptr<QPrinter> system_printer(const QString& name, const QString& document_name) {
    auto printer =
        std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
    printer->setDocName(document_name);
    printer->setPageOrientation(QPageLayout::Portrait);
    return printer;
}

std::unique_ptr<QPrinter> pdf_printer(const QString& file, const QString& document_name) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setDocName(document_name);
    printer->setPageOrientation(QPageLayout::Portrait);
    // A printer's usual unprintable edge: a seating chart row, 104 characters of 12-point
    // Courier New, then still fits across a landscape page.
    printer->setPageMargins(QMarginsF{18, 18, 18, 18}, QPageLayout::Point);
    return printer;
}

} // namespace quillmark::ui
