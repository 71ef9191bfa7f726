#include "ui/pictures.h"

#include "classdata/resources.h"

#include <QFile>

namespace quillmark::ui {

QPixmap program_picture(std::string_view name) {
    return QPixmap{QFile::decodeName(QByteArray{resource_file(name).c_str()})};
}

} // namespace quillmark::ui
