#pragma once

#include <memory>

#include <QString>
#include <QStringList>

class QPrinter;

namespace quillmark::ui {

// The printer built into the program: it writes the document into a PDF file.
inline const QString pdf_printer_name = QStringLiteral("PDF File");

// The system's printers in the system's order, then the PDF printer; never empty.
QStringList printer_names();

// A system printer by name, in portrait, titled document_name in its queue.
std::unique_ptr<QPrinter> system_printer(const QString& name, const QString& document_name);
// The PDF printer writing into file, in portrait.
std::unique_ptr<QPrinter> pdf_printer(const QString& file, const QString& document_name);

// Why the system printer `name` would not take a job now, for the user ("it does not accept
// jobs"); empty when it would.
QString queue_refusal(const QString& name);

// Why the print service refused the job last handed to it on this thread, for the user; empty
// when it took the job. Qt's print engine hands a document over as its painter ends and keeps
// the answer to itself, so this asks right after.
QString job_refusal();

} // namespace quillmark::ui
