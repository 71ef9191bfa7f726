#include "ui/dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>

namespace quillmark::ui {
namespace {

DialogHandler* installed_handler = nullptr;

const QString program_title = QStringLiteral("Quillmark");

QMessageBox::Icon message_icon(Icon icon) {
    switch (icon) {
    case Icon::information:
        return QMessageBox::Information;
    case Icon::exclamation:
        return QMessageBox::Warning;
    case Icon::error:
        return QMessageBox::Critical;
    case Icon::none:
        break;
    }
    return QMessageBox::NoIcon;
}

QString ask(const QString& prompt, const QString& default_answer, QLineEdit::EchoMode echo,
            QWidget* parent) {
    if (installed_handler != nullptr) {
        return installed_handler->input(prompt, default_answer);
    }
    bool accepted = false;
    QString answer =
        QInputDialog::getText(parent, program_title, prompt, echo, default_answer, &accepted);
    return accepted ? answer : QString{};
}

} // namespace

Answer msgbox(const QString& text, Icon icon, Buttons buttons, QWidget* parent) {
    if (installed_handler != nullptr) {
        return installed_handler->message(text, icon, buttons);
    }
    QMessageBox box{
        message_icon(icon), program_title, text,
        buttons == Buttons::yes_no ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent};
    const int pressed = box.exec();
    if (buttons == Buttons::ok) {
        return Answer::ok;
    }
    return pressed == QMessageBox::Yes ? Answer::yes : Answer::no;
}

QString inputbox(const QString& prompt, const QString& default_answer, QWidget* parent) {
    return ask(prompt, default_answer, QLineEdit::Normal, parent);
}

QString password_inputbox(const QString& prompt, QWidget* parent) {
    return ask(prompt, {}, QLineEdit::Password, parent);
}

QString save_file_name(const QString& proposed_path, const QString& filter, QWidget* parent) {
    if (installed_handler != nullptr) {
        return installed_handler->save_file(proposed_path);
    }
    return QFileDialog::getSaveFileName(parent, program_title, proposed_path, filter);
}

QString open_file_name(const QString& folder, const QString& filter, QWidget* parent) {
    if (installed_handler != nullptr) {
        return installed_handler->open_file(folder);
    }
    return QFileDialog::getOpenFileName(parent, program_title, folder, filter);
}

int choice_box(const QString& prompt, const QStringList& items, QWidget* parent) {
    if (installed_handler != nullptr) {
        return installed_handler->choice(prompt, items);
    }
    bool accepted = false;
    const QString chosen =
        QInputDialog::getItem(parent, program_title, prompt, items, 0, false, &accepted);
    return accepted ? static_cast<int>(items.indexOf(chosen)) : -1;
}

bool open_with_desktop(const QUrl& url) {
    if (installed_handler != nullptr) {
        return installed_handler->open_url(url);
    }
    return QDesktopServices::openUrl(url);
}

void set_dialog_handler(DialogHandler* handler) {
    installed_handler = handler;
}

} // namespace quillmark::ui
