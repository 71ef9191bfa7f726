#include "access/console_lock.h"
#include "access/password_setup.h"
#include "gradebook/gradebook_window.h"
#include "ui/image_button.h"

#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>

namespace quillmark {
namespace {

// Text boxes claim some control keys for themselves (under X11, Ctrl+E moves to the end of the
// line); in this window the menus' shortcuts come first, wherever the focus is.
class MenuKeysFirst : public QObject {
public:
    MenuKeysFirst(QList<QKeySequence> keys, QObject* parent)
        : QObject{parent}
        , keys_{std::move(keys)} {}

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        return keys_.contains(QKeySequence{key->keyCombination()});
    }

private:
    QList<QKeySequence> keys_;
};

} // namespace

void Form1::build_menus() {
    auto* menus = new QMenuBar{this};
    menus->setObjectName(QStringLiteral("menus"));
    layout()->setMenuBar(menus);

    QMenu* file = menus->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("file"));
    QAction* return_to_manager = file->addAction(QStringLiteral("Return to Class Manager..."));
    return_to_manager->setObjectName(QStringLiteral("saveclass"));
    return_to_manager->setShortcut(QKeySequence{Qt::CTRL | Qt::Key_M});
    connect(return_to_manager, &QAction::triggered, this, &Form1::saveclass);
    QAction* leave = file->addAction(QStringLiteral("Exit"));
    leave->setObjectName(QStringLiteral("exit"));
    leave->setShortcut(QKeySequence{Qt::CTRL | Qt::Key_E});
    connect(leave, &QAction::triggered, this, &Form1::exit);

    QMenu* setup = menus->addMenu(QStringLiteral("Setup"));
    setup->setObjectName(QStringLiteral("setup"));
    QAction* new_password = setup->addAction(QStringLiteral("Change Password..."));
    new_password->setObjectName(QStringLiteral("changepw"));
    connect(new_password, &QAction::triggered, this, &Form1::changepw);

    auto* menu_keys = new MenuKeysFirst{{return_to_manager->shortcut(), leave->shortcut()}, this};
    for (QWidget* control : client->findChildren<QWidget*>()) {
        control->installEventFilter(menu_keys);
    }

    for (ui::ImageButton* item : {Image2[2], Label21[2]}) {
        connect(item, &ui::ImageButton::clicked, this, [this] { uwindow(2); });
    }
}

void Form1::changepw() {
    change_password();
}

void Form1::uwindow(int idx) {
    if (idx == 2) {
        lock_console(*this);
    }
}

} // namespace quillmark
