#include "access/password_setup.h"
#include "classdata/class_data.h"
#include "classdata/resources.h"
#include "gradebook/gradebook_window.h"
#include "gradebook/help_texts.h"
#include "grading/curve_wizard.h"
#include "grading/grading_scale_dialog.h"
#include "reports/print_dialog.h"
#include "reports/report_kind.h"
#include "seating/seating_planner.h"
#include "ui/dialogs.h"
#include "ui/image_button.h"
#include "ui/menu_keys_first.h"
#include "ui/text.h"

#include <QLayout>
#include <QMenuBar>
#include <QUrl>

namespace quillmark {
namespace {

// A menu entry named for its command.
template <typename Action>
QAction* add_entry(QMenu& menu, const char* name, const QString& caption, Action action) {
    QAction* entry = menu.addAction(caption);
    entry->setObjectName(QString::fromLatin1(name));
    QObject::connect(entry, &QAction::triggered, &menu, action);
    return entry;
}

} // namespace

void Form1::build_menus() {
    auto* menus = new QMenuBar{this};
    menus->setObjectName(QStringLiteral("menus"));
    layout()->setMenuBar(menus);

    QMenu* file = menus->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("file"));
    QMenu* reports = file->addMenu(QStringLiteral("Print Report(s)"));
    reports->setObjectName(QStringLiteral("mpreports"));
    add_entry(*reports, "oca", QStringLiteral("Overall Class Analysis"),
              [this] { print_report(report_kind::overall_class); });
    add_entry(*reports, "iaa", QStringLiteral("Individual Assignment Analysis"),
              [this] { print_report(report_kind::individual_assignment); });
    add_entry(*reports, "isa", QStringLiteral("Individual Student Analysis"),
              [this] { print_report(report_kind::individual_student); });
    QAction* return_to_manager = add_entry(
        *file, "saveclass", QStringLiteral("Return to Class Manager..."), [this] { saveclass(); });
    return_to_manager->setShortcut(QKeySequence{Qt::CTRL | Qt::Key_M});
    QAction* leave = add_entry(*file, "exit", QStringLiteral("Exit"), [this] { exit(); });
    leave->setShortcut(QKeySequence{Qt::CTRL | Qt::Key_E});
    add_entry(*file, "exportgrades", QStringLiteral("Export Grades..."),
              [this] { export_grades_to_csv(); });
    add_entry(*file, "importstudents", QStringLiteral("Import Students..."),
              [this] { import_students_from_csv(); });

    QMenu* setup = menus->addMenu(QStringLiteral("Setup"));
    setup->setObjectName(QStringLiteral("setup"));
    add_entry(*setup, "chinstruct", QStringLiteral("Change Instructor Name..."),
              [this] { chinstruct(); });
    add_entry(*setup, "changepw", QStringLiteral("Change Password..."), [this] { changepw(); });
    add_entry(*setup, "gradingscale", QStringLiteral("Define Grading Scale..."),
              [this] { gradingscale(); });

    QMenu* help = menus->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("help"));
    for (const HelpEntry& entry : help_entries()) {
        add_entry(*help, std::string{entry.name}.c_str(), ui::to_qstring(entry.caption),
                  [this, &entry] {
                      for (std::string_view message : entry.messages) {
                          ui::msgbox(ui::to_qstring(message), ui::Icon::information,
                                     ui::Buttons::ok, this);
                      }
                  });
    }
    add_entry(*help, "about", QStringLiteral("About Quillmark..."), [this] {
        ui::msgbox(ui::to_qstring(about_text), ui::Icon::none, ui::Buttons::ok, this);
    });

    auto* menu_keys =
        new ui::MenuKeysFirst{{return_to_manager->shortcut(), leave->shortcut()}, this};
    for (QWidget* control : client->findChildren<QWidget*>()) {
        control->installEventFilter(menu_keys);
    }

    for (int idx = 0; idx < 4; ++idx) {
        for (ui::ImageButton* item : {Image2[idx], Label21[idx]}) {
            connect(item, &ui::ImageButton::clicked, this, [this, idx] { uwindow(idx); });
        }
    }
}

void Form1::print_report(std::int16_t kind) {
    open_print_dialog(*this, kind);
}

void Form1::chinstruct() {
    const QString answer =
        ui::inputbox(QStringLiteral("     Please enter your name as you would like it to appear "
                                    "on reports for this class:"),
                     ui::to_qstring(instructor), this);
    if (!answer.isEmpty()) {
        instructor = ui::from_qstring(answer);
    }
}

void Form1::changepw() {
    change_password();
}

void Form1::gradingscale() {
    hide();
    (new Form6{*this})->load();
}

void Form1::uwindow(int idx) {
    switch (idx) {
    case 0:
        open_seating_planner();
        break;

    case 1:
        open_curve_wizard(*this);
        break;

    case 2:
        emit console_lock_requested();
        break;

    case 3:
        openurl(
            QUrl::fromLocalFile(QString::fromStdString(resource_file("support.html").string())));
        break;
    }
}

void Form1::open_seating_planner() {
    hide();
    auto* planner = new Form10{*this};
    // The planner stays behind the print dialog, hidden, with its desks as they are.
    connect(planner, &Form10::print_requested, planner, [planner](const Desks& desks) {
        open_print_dialog(*planner, report_kind::seating_chart, &desks);
    });
    planner->load();
}

void Form1::openurl(const QUrl& url) {
    // Nothing to tell the teacher when no browser comes up; the page is a convenience.
    ui::open_with_desktop(url);
}

} // namespace quillmark
