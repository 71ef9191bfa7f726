#include "ui/menu_keys_first.h"

#include <QKeyEvent>

namespace quillmark::ui {

MenuKeysFirst::MenuKeysFirst(QList<QKeySequence> keys, QObject* parent)
    : QObject{parent}
    , keys_{std::move(keys)} {}

bool MenuKeysFirst::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    return keys_.contains(QKeySequence{key->keyCombination()});
}

} // namespace quillmark::ui
