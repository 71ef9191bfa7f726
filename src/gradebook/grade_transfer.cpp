#include "classdata/text_encoding.h"
#include "classmanager/class_files.h"
#include "gradebook/gradebook_window.h"
#include "gradebook/roster_import.h"
#include "gradebook/step_captions.h"
#include "reports/grade_export.h"
#include "ui/dialogs.h"
#include "ui/text.h"

#include <array>
#include <filesystem>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillmark {
namespace {

struct Layout {
    const char* caption;
    ExportLayout layout;
};

constexpr std::array<Layout, 4> layouts{{
    {"Spreadsheet (LibreOffice Calc, Excel)", ExportLayout::spreadsheet},
    {"Excel workbook (.xlsx), IDs kept as text", ExportLayout::xlsx},
    {"Canvas gradebook", ExportLayout::canvas},
    {"Moodle grades", ExportLayout::moodle},
}};

// What Moodle needs is said before the teacher picks it, as its import cannot be undone there.
constexpr const char* layout_prompt =
    "Export the grades for:\n"
    "\n"
    "Moodle needs its grade items created first, each with its points: a new item\n"
    "is out of 100, and a score above 100 stops the whole import on a default site.\n"
    "In Moodle's import, map \"ID number\" to the user's ID number.";

QString documents_folder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

std::filesystem::path local_path(const QString& file) {
    return std::filesystem::path{QFile::encodeName(file).toStdString()};
}

} // namespace

void Form1::export_grades_to_csv() {
    QStringList captions;
    for (const Layout& layout : layouts) {
        captions.append(QString::fromUtf8(layout.caption));
    }
    const int chosen = ui::choice_box(QString::fromUtf8(layout_prompt), captions, this);
    if (chosen < 0 || chosen >= static_cast<int>(layouts.size())) {
        return;
    }
    const ExportLayout layout = layouts[static_cast<std::size_t>(chosen)].layout;
    const QString proposed =
        QDir{documents_folder()}.filePath(ui::to_qstring(export_file_name(layout)));
    const QString filter = layout == ExportLayout::xlsx ? QStringLiteral("Excel workbooks (*.xlsx)")
                                                        : QStringLiteral("CSV files (*.csv)");
    for (;;) {
        const QString file = ui::save_file_name(proposed, filter, this);
        if (file.isEmpty()) {
            return;
        }
        // Refused, the teacher may choose another file.
        if (const Result allowed = check_export_file(local_path(file)); !allowed) {
            ui::msgbox(ui::to_qstring(allowed.message()), ui::Icon::exclamation, ui::Buttons::ok,
                       this);
            continue;
        }
        if (const Result exported = export_grades(local_path(file), layout); !exported) {
            ui::msgbox(ui::to_qstring(exported.message()), ui::Icon::error, ui::Buttons::ok, this);
        }
        return;
    }
}

void Form1::import_students_from_csv() {
    const QString file = ui::open_file_name(
        documents_folder(), QStringLiteral("Class lists (*.csv *.txt);;All files (*)"), this);
    if (file.isEmpty()) {
        return;
    }
    RosterPlan plan;
    if (const Result read = plan_roster_import(local_path(file), plan); !read) {
        ui::msgbox(ui::to_qstring(read.message()), ui::Icon::exclamation, ui::Buttons::ok, this);
        return;
    }
    const std::string name = ui::from_qstring(QFileInfo{file}.fileName());
    const RosterQuestion question = roster_import_question(plan, name);
    if (ui::detailed_msgbox(QString::fromStdString(question.text),
                            QString::fromStdString(question.details), ui::Icon::none,
                            question.asks ? ui::Buttons::yes_no : ui::Buttons::ok,
                            this) != ui::Answer::yes) {
        return;
    }
    const ClassSnapshot before = before_step();
    apply_roster_import(plan);
    record_step(import_step(name), before);
    render_data();
    c_analysis();
}

} // namespace quillmark
