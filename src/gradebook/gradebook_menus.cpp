#include "access/console_lock.h"
#include "access/password_setup.h"
#include "gradebook/gradebook_window.h"
#include "ui/image_button.h"

#include <QLayout>
#include <QMenuBar>

namespace quillmark {

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
