#include "classmanager/class_manager.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application{argc, argv};
    application.setApplicationName(QStringLiteral("Quillmark"));

    auto* class_manager = new quillmark::Form4;
    class_manager->show();
    return QApplication::exec();
}
