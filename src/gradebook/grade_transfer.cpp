#include "classdata/text_encoding.h"
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
    ExportFormat format;
};

constexpr std::array<Layout, 3> layouts{{
    {"Spreadsheet (LibreOffice Calc, Excel)", ExportFormat::spreadsheet},
    {"Canvas gradebook", ExportFormat::canvas},
    {"Moodle grades", ExportFormat::moodle},
}};

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
    const int chosen = ui::choice_box(QStringLiteral("Export the grades for:"), captions, this);
    if (chosen < 0 || chosen >= static_cast<int>(layouts.size())) {
        return;
    }
    const QString file =
        ui::save_file_name(QDir{documents_folder()}.filePath(ui::to_qstring(export_file_name())),
                           QStringLiteral("CSV files (*.csv)"), this);
    if (file.isEmpty()) {
        return;
    }
    if (const Result exported =
            export_grades(local_path(file), layouts[static_cast<std::size_t>(chosen)].format);
        !exported) {
        ui::msgbox(ui::to_qstring(exported.message()), ui::Icon::error, ui::Buttons::ok, this);
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
