#include "access/program_start.h"

#include <QApplication>

int main(int /*argc*/, char* argv[]) {
    // The program takes no command line, and Qt must not act on options such as -style.
    int qt_argc = 1;
    QApplication application{qt_argc, argv};
    application.setApplicationName(QStringLiteral("Quillmark"));

    quillmark::start_program();
    return QApplication::exec();
}
