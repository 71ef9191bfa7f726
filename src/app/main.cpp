#include "access/program_start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application{argc, argv};
    application.setApplicationName(QStringLiteral("Quillmark"));

    quillmark::start_program();
    return QApplication::exec();
}
