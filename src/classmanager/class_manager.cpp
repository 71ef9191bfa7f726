#include "classmanager/class_manager.h"

#include "ui/layout.h"

namespace quillmark {

Form4::Form4(QWidget* parent)
    : QWidget{parent} {
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Quillmark - [Class Manager]"));
}

void Form4::center() {
    ui::center(*this);
}

} // namespace quillmark
