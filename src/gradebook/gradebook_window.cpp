#include "gradebook/gradebook_window.h"

#include "classdata/class_data.h"
#include "ui/layout.h"
#include "ui/text.h"

namespace quillmark {

Form1::Form1(QWidget* parent)
    : QWidget{parent} {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ui::twips(11895), ui::twips(6135));
}

void Form1::load() {
    center();
    show();
    setWindowTitle(QStringLiteral("Quillmark - [") + ui::to_qstring(class_file) +
                   QStringLiteral("]"));
}

void Form1::center() {
    ui::center(*this);
}

} // namespace quillmark
