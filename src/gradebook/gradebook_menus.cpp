#include "access/password_setup.h"
#include "classdata/class_data.h"
#include "classdata/resources.h"
#include "gradebook/gradebook_window.h"
#include "gradebook/help_texts.h"
#include "gradebook/score_box.h"
#include "gradebook/step_captions.h"
#include "grading/categories_window.h"
#include "grading/curve_wizard.h"
#include "grading/grading_scale_dialog.h"
#include "reports/print_dialog.h"
#include "reports/report_kind.h"
#include "seating/seating_planner.h"
#include "ui/dialogs.h"
#include "ui/image_button.h"
#include "ui/menu_keys_first.h"
#include "ui/text.h"

#include <optional>

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
    // Export and import go in a group of their own just above Exit, which stays last.
    file->addSeparator();
    add_entry(*file, "exportgrades", QStringLiteral("Export Grades..."),
              [this] { export_grades_to_csv(); });
    add_entry(*file, "importstudents", QStringLiteral("Import Students..."),
              [this] { import_students_from_csv(); });
    file->addSeparator();
    QAction* leave = add_entry(*file, "exit", QStringLiteral("Exit"), [this] { exit(); });
    leave->setShortcut(QKeySequence{Qt::CTRL | Qt::Key_E});

    QMenu* edit = menus->addMenu(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("edit"));
    undo_entry = add_entry(*edit, "undo", QStringLiteral("Undo"), [this] { undo(); });
    undo_entry->setShortcut(QKeySequence{Qt::CTRL | Qt::Key_Z});
    redo_entry = add_entry(*edit, "redo", QStringLiteral("Redo"), [this] { redo(); });
    redo_entry->setShortcuts({QKeySequence{Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z},
                              QKeySequence{Qt::CTRL | Qt::Key_Y}});
    // The captions name the typing into a score box only once it is a step of its own.
    connect(edit, &QMenu::aboutToShow, this, [this] { settle_typing(); });
    show_history();

    QMenu* setup = menus->addMenu(QStringLiteral("Setup"));
    setup->setObjectName(QStringLiteral("setup"));
    add_entry(*setup, "chinstruct", QStringLiteral("Change Instructor Name..."),
              [this] { chinstruct(); });
    add_entry(*setup, "changepw", QStringLiteral("Change Password..."), [this] { changepw(); });
    add_entry(*setup, "gradingscale", QStringLiteral("Define Grading Scale..."),
              [this] { gradingscale(); });
    add_entry(*setup, "categories", QStringLiteral("Categories and Weights..."),
              [this] { categories(); });

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

    // A score box decides itself whether its own typing takes the Edit menu's keys.
    const QList<QKeySequence> file_keys{return_to_manager->shortcut(), leave->shortcut()};
    auto* menu_keys = new ui::MenuKeysFirst{file_keys, this};
    auto* all_menu_keys =
        new ui::MenuKeysFirst{file_keys + undo_entry->shortcuts() + redo_entry->shortcuts(), this};
    for (QWidget* control : client->findChildren<QWidget*>()) {
        control->installEventFilter(qobject_cast<ScoreBox*>(control) != nullptr ? menu_keys
                                                                                : all_menu_keys);
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
    const ClassSnapshot before = before_step();
    const QString answer = ui::class_text_inputbox(
        QStringLiteral("     Please enter your name as you would like it to appear "
                       "on reports for this class:"),
        ui::to_qstring(instructor), this);
    if (!answer.isEmpty()) {
        instructor = ui::from_qstring(answer);
        record_step(instructor_step, before);
    }
}

void Form1::changepw() {
    change_password();
}

void Form1::gradingscale() {
    ClassSnapshot before = before_step();
    hide();
    auto* dialog = new Form6{*this};
    // Its switches take effect at once, so even Cancel may leave a change to record.
    record_when_closed(*dialog, std::move(before),
                       [](const ClassSnapshot&) { return std::string{grading_scale_step}; });
    dialog->load();
}

void Form1::categories() {
    ClassSnapshot before = before_step();
    hide();
    auto* window = new CategoriesWindow{*this};
    record_when_closed(*window, std::move(before),
                       [](const ClassSnapshot&) { return std::string{categories_step}; });
    // Every figure built on the averages changes with the categories.
    connect(window, &CategoriesWindow::stored, this, [this] {
        c_analysis();
        s_analysis(selected_student);
    });
    window->load();
}

void Form1::uwindow(int idx) {
    switch (idx) {
    case 0:
        open_seating_planner();
        break;

    case 1: {
        ClassSnapshot before = before_step();
        const std::int16_t assignment = selected_assignment;
        if (Form5* wizard = open_curve_wizard(*this)) {
            record_when_closed(*wizard, std::move(before), [assignment](const ClassSnapshot&) {
                return curve_step(assignment);
            });
        }
        break;
    }

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
    ClassSnapshot before = before_step();
    hide();
    auto* planner = new Form10{*this};
    // A plan reorders the students at once, even when the planner is then cancelled.
    connect(planner, &Form10::closed, this, [this, planner, before = std::move(before)] {
        if (const std::optional<SeatingPlan> plan = planner->last_plan()) {
            record_step(seating_step(*plan), before);
        }
    });
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
