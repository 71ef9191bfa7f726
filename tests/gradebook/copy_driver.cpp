// One copy of Quillmark for the tests of two copies of a class, driven by lines on standard input:
// "open FOLDER CLASS_FILE", "score STUDENT ASSIGNMENT N", "get STUDENT ASSIGNMENT" (the score)
// and "save" (an autosave tick; a conflict window meanwhile is written out and answered with
// the next line, "mine" or "theirs"), each answered on standard output.
#include "app/navigator.h"
#include "classdata/class_data.h"
#include "classdata/program_folder.h"
#include "classmanager/open_class.h"
#include "gradebook/gradebook_window.h"
#include "gradebook/merge_conflict_window.h"
#include "ui/dialogs.h"

#include <iostream>
#include <sstream>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QSocketNotifier>
#include <QTableWidget>
#include <QTimer>

namespace {

using namespace quillmark;

void reply(const std::string& line) {
    std::cout << line << std::endl;
}

// Every message box is written out and answered, so that none waits for a user.
class Answers : public ui::DialogHandler {
public:
    ui::Answer message(const QString& text, ui::Icon, ui::Buttons buttons) override {
        reply("message " + text.simplified().toStdString());
        return buttons == ui::Buttons::ok ? ui::Answer::ok : ui::Answer::no;
    }
    QString input(const QString&, const QString&) override { return {}; }
    QString save_file(const QString&) override { return {}; }
    QString open_file(const QString&) override { return {}; }
    int choice(const QString&, const QStringList&) override { return -1; }
    bool open_url(const QUrl&) override { return false; }
};

// Answers the conflict window as the next input line says, whenever one comes; the window is
// painted and takes events meanwhile, as it would for a teacher.
void answer_conflict_windows() {
    auto* watch = new QTimer{qApp};
    QObject::connect(watch, &QTimer::timeout, [watch] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* conflicts = qobject_cast<MergeConflictWindow*>(window);
            if (conflicts == nullptr || !conflicts->isVisible()) {
                continue;
            }
            watch->stop();
            const auto& table = *conflicts->findChild<QTableWidget*>(QStringLiteral("Conflicts"));
            const auto cell = [&table](int column) {
                const auto* button = qobject_cast<QAbstractButton*>(table.cellWidget(0, column));
                return (button ? button->text() : table.item(0, column)->text()).toStdString();
            };
            reply("conflict " + std::to_string(table.rowCount()) + ": " + cell(0) + "|" + cell(1) +
                  "|" + cell(2));
            auto* answer = new QSocketNotifier{0, QSocketNotifier::Read, conflicts};
            QObject::connect(answer, &QSocketNotifier::activated, [conflicts, answer, watch] {
                answer->setEnabled(false);
                std::string choice;
                std::getline(std::cin, choice);
                conflicts
                    ->findChild<QAbstractButton*>(choice == "theirs" ? "TakeAllOfTheirs"
                                                                     : "KeepAllOfMine")
                    ->click();
                conflicts->findChild<QAbstractButton*>(QStringLiteral("OK"))->click();
                watch->start();
            });
            return;
        }
    });
    watch->start(10);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application{argc, argv};
    Answers answers;
    ui::set_dialog_handler(&answers);
    answer_conflict_windows();

    Form1* gradebook = nullptr;
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream words{line};
        std::string command;
        words >> command;
        if (command == "open") {
            std::string folder;
            std::string file;
            std::getline(words >> folder >> std::ws, file);
            set_program_folder(folder);
            if (const Result opened = open_class(file); !opened) {
                reply("failed " + opened.message());
                continue;
            }
            gradebook = &show_gradebook();
        } else if (command == "score" || command == "get") {
            int student = 0;
            int assignment = 0;
            int value = 0;
            words >> student >> assignment >> value;
            std::int16_t& score = students.at(student).scores.at(assignment);
            if (command == "get") {
                reply(std::to_string(score));
                continue;
            }
            score = static_cast<std::int16_t>(value);
        } else if (command == "save") {
            // Timers, such as the watch over the conflict window, need the event loop.
            QTimer::singleShot(0, gradebook, [gradebook] {
                gradebook->autosave();
                QApplication::exit(0);
            });
            QApplication::exec();
        }
        reply("ok");
    }
    return 0;
}
