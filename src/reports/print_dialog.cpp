#include "reports/print_dialog.h"

#include "classdata/class_data.h"
#include "reports/assignment_report.h"
#include "reports/class_report.h"
#include "reports/qt_page_printer.h"
#include "reports/report_kind.h"
#include "reports/seating_chart_printout.h"
#include "reports/student_report.h"
#include "ui/clock.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/printer_list.h"
#include "ui/text.h"

#include <memory>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QUrl>

namespace quillmark {
namespace {

// The printer of the last printout; Print without a printer chosen prints there again.
QString& output_printer() {
    static QString name = QPrinterInfo::defaultPrinterName().isEmpty()
                              ? ui::pdf_printer_name
                              : QPrinterInfo::defaultPrinterName();
    return name;
}

QString window_title(std::int16_t kind) {
    switch (kind) {
    case report_kind::individual_student:
        return QStringLiteral("Print Individual Student Report?");
    case report_kind::individual_assignment:
        return QStringLiteral("Print Individual Assignment Report?");
    case report_kind::overall_class:
        return QStringLiteral("Print Overall Class Report?");
    default:
        return QStringLiteral("Print Seating Chart?");
    }
}

// What the title asks about: "Overall Class Report".
QString printout_name(std::int16_t kind) {
    const QString title = window_title(kind);
    return title.sliced(6, title.size() - 7);
}

// What the printout is about; a slot outside the class names nobody.
std::string subject(std::int16_t kind) {
    switch (kind) {
    case report_kind::individual_student:
        if (selected_student < 0 || selected_student > student_slots) {
            return {};
        }
        return students[selected_student].first_name + " " + students[selected_student].last_name;
    case report_kind::individual_assignment:
        if (selected_assignment < 0 || selected_assignment > assignment_slots) {
            return {};
        }
        return asg_title[selected_assignment];
    default:
        return class_file;
    }
}

} // namespace

Form9::Form9(QWidget& opener, const Desks* desks)
    : opener_{&opener}
    , kind_{edit_slot}
    , desks_{desks != nullptr ? *desks : Desks{}} {
    setObjectName(QStringLiteral("Form9"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ui::twips(3735), ui::twips(3015));
    setFont(ui::sans_serif());

    Label1 = ui::add_label(*this, QStringLiteral("Label1"), {}, ui::twips_rect(120, 30, 3495, 225));
    Label1->setFont(ui::sans_serif(8.25, true));
    List1 = new QListWidget{this};
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(ui::twips_rect(120, 300, 3495, 1590));
    const std::array<QString, 2> orders{QStringLiteral("List students by ID number (default)"),
                                        QStringLiteral("List students by NAME")};
    for (int idx = 0; idx < 2; ++idx) {
        Option1[idx] = new QRadioButton{orders[idx], this};
        Option1[idx]->setObjectName(ui::indexed_name("Option1", idx));
        Option1[idx]->setGeometry(ui::twips_rect(240, 1920 + 240 * idx, 3255, 255));
    }
    Command1 = ui::add_button(*this, QStringLiteral("Command1"), QStringLiteral("Print"),
                              ui::twips_rect(240, 2520, 1575, 375));
    Command2 = ui::add_button(*this, QStringLiteral("Command2"), QStringLiteral("Cancel"),
                              ui::twips_rect(1920, 2520, 1575, 375));

    connect(Command1, &QPushButton::clicked, this, &Form9::print);
    connect(Command2, &QPushButton::clicked, this, &Form9::close);
}

void Form9::load() {
    center();
    List1->addItems(ui::printer_names());
    List1->setCurrentRow(0);
    setWindowTitle(window_title(kind_));
    Label1->setText(QLatin1Char('"') + ui::to_qstring(subject(kind_)) + QLatin1Char('"'));
    const bool class_report = kind_ == report_kind::overall_class;
    Option1[0]->setChecked(true);
    Option1[0]->setVisible(class_report);
    Option1[1]->setVisible(class_report);
    if (opener_) {
        opener_->hide();
    }
    show();
}

void Form9::center() {
    ui::center(*this);
}

void Form9::closeEvent(QCloseEvent* event) {
    // Print, Cancel and the title bar all lead back to the window that opened the dialog.
    if (opener_) {
        opener_->show();
    }
    QWidget::closeEvent(event);
}

void Form9::print() {
    // A second click must not start a second printout.
    Command1->setEnabled(false);
    if (const QList<QListWidgetItem*> chosen = List1->selectedItems(); !chosen.isEmpty()) {
        output_printer() = chosen.front()->text();
    }
    const QString printer_name = output_printer();

    std::unique_ptr<QPrinter> printer;
    QString pdf_file;
    if (printer_name == ui::pdf_printer_name) {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        pdf_file = ui::save_file_name(QDir{documents}.filePath(document_name() + ".pdf"),
                                      QStringLiteral("PDF files (*.pdf)"), this);
        if (pdf_file.isEmpty()) {
            Command1->setEnabled(true);
            return;
        }
        printer = ui::pdf_printer(pdf_file, document_name());
    } else {
        printer = ui::system_printer(printer_name, document_name());
    }

    QtPagePrinter page_printer{*printer};
    // A full class runs to a hundred pages and more.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    print_on(page_printer);
    QApplication::restoreOverrideCursor();
    if (!page_printer.failure().isEmpty()) {
        ui::msgbox(QStringLiteral("Could not print to \"%1\": %2.")
                       .arg(printer_name, page_printer.failure()),
                   ui::Icon::exclamation, ui::Buttons::ok, this);
    } else if (!pdf_file.isEmpty()) {
        ui::open_with_desktop(QUrl::fromLocalFile(pdf_file));
    }
    close();
}

void Form9::print_on(PagePrinter& printer) {
    const std::string today = ui::short_date_now();
    switch (kind_) {
    case report_kind::individual_student:
        print_student_report(printer, selected_student, today);
        break;
    case report_kind::individual_assignment:
        print_assignment_report(printer, selected_assignment, today);
        break;
    case report_kind::overall_class:
        list_by_name = !Option1[0]->isChecked();
        // Blocks of ten assignments, one after another in one document.
        for (int first = 1; first <= last_assignment() + 1; first += 10) {
            print_class_report(printer, static_cast<std::int16_t>(first),
                               static_cast<std::int16_t>(first + 9), today);
        }
        break;
    default:
        print_seating_chart(printer, desks_, today);
        return;
    }
    printer.end_document();
}

QString Form9::document_name() const {
    // The class file name less its extension, as the seating chart names the class.
    const std::string_view file = class_file;
    const std::string_view name = file.substr(0, file.size() >= 4 ? file.size() - 4 : 0);
    return ui::to_qstring(name) + QStringLiteral(" - ") + printout_name(kind_);
}

void open_print_dialog(QWidget& opener, std::int16_t kind, const Desks* desks) {
    edit_slot = kind;
    (new Form9{opener, desks})->load();
}

} // namespace quillmark
