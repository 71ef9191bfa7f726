#include "ui/printer_list.h"

#include <cups/cups.h>
#include <string_view>

#include <QMarginsF>
#include <QPrinter>
#include <QPrinterInfo>

namespace quillmark::ui {
namespace {

// The print service's own words for its last answer on this thread, without the full stop.
QString last_answer() {
    QString text = QString::fromUtf8(cupsLastErrorString()).trimmed();
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}

} // namespace

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

QString queue_refusal(const QString& name) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.toUtf8().constData(), nullptr);
    if (dest == nullptr) {
        return QStringLiteral("it is not available (%1)").arg(last_answer());
    }
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting != nullptr && std::string_view{accepting} == "false";
    cupsFreeDests(1, dest);
    return refuses ? QStringLiteral("it does not accept jobs") : QString{};
}

QString job_refusal() {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        return {};
    }
    return QStringLiteral("it refused the job (%1)").arg(last_answer());
}

} // namespace quillmark::ui
