#pragma once

#include "seating/chart_file.h"

#include <array>
#include <cstdint>

#include <QPointer>
#include <QWidget>

class QCloseEvent;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quillmark {

class PagePrinter;

// The print dialog for the printout edit_slot names (a report_kind): the printer to use and,
// for the overall class report, the order of the students. The window that opened it is hidden
// meanwhile and shown again however the dialog closes. desks are the seating planner's, as it
// shows them, for the seating chart; the dialog keeps its own copy.
class Form9 : public QWidget {
    Q_OBJECT

public:
    explicit Form9(QWidget& opener, const Desks* desks = nullptr);

    // Centres the dialog, lists the printers, names the printout, hides the opener and shows
    // the dialog.
    void load();
    void center();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Print: prints on the chosen printer, reports a printer that failed, then closes. With the
    // PDF printer a cancelled save dialog prints nothing and leaves the dialog open.
    void print();
    void print_on(PagePrinter& printer);
    // "<class> - <report>", the PDF file's name and the printer queue's title.
    QString document_name() const;

    QPointer<QWidget> opener_;
    std::int16_t kind_;
    Desks desks_;

    QLabel* Label1 = nullptr;
    QListWidget* List1 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

// Opens the print dialog for one printout (a report_kind) over opener.
void open_print_dialog(QWidget& opener, std::int16_t kind, const Desks* desks = nullptr);

} // namespace quillmark
