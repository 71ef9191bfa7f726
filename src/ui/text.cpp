#include "ui/text.h"

#include "classdata/text_encoding.h"

#include <QList>

namespace quillmark::ui {

QString to_qstring(std::string_view cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char byte : cp1252) {
        text.append(
            QChar{static_cast<char16_t>(cp1252_to_unicode(static_cast<unsigned char>(byte)))});
    }
    return text;
}

std::string from_qstring(const QString& text) {
    std::string cp1252;
    cp1252.reserve(static_cast<std::size_t>(text.size()));
    for (const uint code_point : text.toUcs4()) {
        cp1252.push_back(unicode_to_cp1252(code_point));
    }
    return cp1252;
}

QString unstorable_message(const QString& text) {
    const std::string unstorable = cp1252_unstorable(text.toStdString());
    if (unstorable.empty()) {
        return {};
    }
    return QStringLiteral("The class file cannot store the characters \"%1\". Please type them "
                          "without accents or other marks.")
        .arg(QString::fromStdString(unstorable));
}

} // namespace quillmark::ui
