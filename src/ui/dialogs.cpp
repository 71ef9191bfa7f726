#include "ui/dialogs.h"

#include "ui/controls.h"
#include "ui/text.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
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
    QInputDialog box{parent};
    box.setWindowTitle(program_title);
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(prompt);
    box.setTextEchoMode(echo);
    box.setTextValue(default_answer);
    // Prompts name classes and people, which must never be read as markup.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
    }
    if (echo == QLineEdit::Password) {
        for (QLineEdit* line : box.findChildren<QLineEdit*>()) {
            mask_with_asterisks(*line);
        }
    }
    return box.exec() == QDialog::Accepted ? box.textValue() : QString{};
}

Answer shown_message(const QString& text, const QString& details, Icon icon, Buttons buttons,
                     QWidget* parent) {
    QMessageBox box{
        message_icon(icon), program_title, text,
        buttons == Buttons::yes_no ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent};
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(details);
    // The details come open: they are what the box is about, not an afterthought.
    for (QAbstractButton* button : box.buttons()) {
        if (box.buttonRole(button) == QMessageBox::ActionRole) {
            button->click();
        }
    }
    const int pressed = box.exec();
    if (buttons == Buttons::ok) {
        return Answer::ok;
    }
    return pressed == QMessageBox::Yes ? Answer::yes : Answer::no;
}

} // namespace

Answer msgbox(const QString& text, Icon icon, Buttons buttons, QWidget* parent) {
    if (installed_handler != nullptr) {
        return installed_handler->message(text, icon, buttons);
    }
    return shown_message(text, {}, icon, buttons, parent);
}

Answer detailed_msgbox(const QString& text, const QString& details, Icon icon, Buttons buttons,
                       QWidget* parent) {
    if (installed_handler != nullptr) {
        return installed_handler->detailed_message(text, details, icon, buttons);
    }
    return shown_message(text, details, icon, buttons, parent);
}

QString inputbox(const QString& prompt, const QString& default_answer, QWidget* parent) {
    return ask(prompt, default_answer, QLineEdit::Normal, parent);
}

QString class_text_inputbox(const QString& prompt, const QString& default_answer, QWidget* parent) {
    QString answer = inputbox(prompt, default_answer, parent);
    for (QString refusal = unstorable_message(answer); !refusal.isEmpty();
         refusal = unstorable_message(answer)) {
        msgbox(refusal, Icon::exclamation, Buttons::ok, parent);
        answer = inputbox(prompt, answer, parent);
    }
    return answer;
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
