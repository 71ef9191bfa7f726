#include "classdata/class_data.h"
#include "full_class.h"
#include "reports/class_report.h"
#include "reports/qt_page_printer.h"
#include "ui/printer_list.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

namespace quillmark {
namespace {

// The whole overall class report of a full class, all 20 blocks, into a PDF file through the
// Qt page printer, as the print dialog's PDF printer writes it.
void class_report_of_full_class_to_pdf(benchmark::State& state) {
    bench::fill_full_class();
    class_file = "Full.cls";
    const QTemporaryDir folder;
    const QString file = QDir{folder.path()}.filePath(QStringLiteral("Full.pdf"));
    for (auto _ : state) {
        const auto pdf = ui::pdf_printer(file, QStringLiteral("Full - Overall Class Report"));
        QtPagePrinter printer{*pdf};
        for (int k = 0; k <= last_assignment(); k += 10) {
            print_class_report(printer, static_cast<std::int16_t>(k + 1),
                               static_cast<std::int16_t>(k + 10), "12/6/26");
        }
        printer.end_document();
        if (!printer.failure().isEmpty()) {
            state.SkipWithError(printer.failure().toStdString().c_str());
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo{file}.size());
}
BENCHMARK(class_report_of_full_class_to_pdf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillmark
