#include "access/logon_window.h"

#include "access/failed_logon_log.h"
#include "access/password_check.h"
#include "access/password_setup.h"
#include "classdata/class_data.h"
#include "classdata/program_folder.h"
#include "ui/clock.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/image_button.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/program_end.h"
#include "ui/text.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace quillmark {
namespace {

constexpr int picture_size = 64;
constexpr int icon_size = 32;

ui::ImageButton* image_button(QWidget* window, const QString& name, QStyle::StandardPixmap icon,
                              const QString& tip) {
    auto* button = new ui::ImageButton{window};
    button->setObjectName(name);
    button->setPixmap(window->style()->standardIcon(icon).pixmap(icon_size, icon_size));
    button->setToolTip(tip);
    return button;
}

} // namespace

Form7::Form7()
    : Text1{new QLineEdit{this}}
    , Image1{image_button(this, QStringLiteral("Image1"), QStyle::SP_DialogOkButton,
                          QStringLiteral("Log On"))}
    , Image2{image_button(this, QStringLiteral("Image2"), QStyle::SP_DialogCloseButton,
                          QStringLiteral("Quit"))}
    , Image3{new QLabel{this}} {
    setObjectName(QStringLiteral("Form7"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Quillmark - [Enter Password]"));
    setFont(ui::sans_serif());
    setFixedSize(336, 80);

    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(8, 8, picture_size, picture_size);
    Image3->setAlignment(Qt::AlignCenter);

    Text1->setObjectName(QStringLiteral("Text1"));
    ui::mask_with_asterisks(*Text1);
    Text1->setMaxLength(max_password_length);
    Text1->setGeometry(80, 28, 168, 24);

    Image1->setGeometry(256, 24, icon_size, icon_size);
    Image2->setGeometry(296, 24, icon_size, icon_size);

    connect(Text1, &QLineEdit::returnPressed, this, &Form7::pok);
    connect(Image1, &ui::ImageButton::clicked, this, &Form7::pok);
    connect(Image2, &ui::ImageButton::clicked, this, [] { ui::end_program(); });
}

void Form7::load() {
    if (const QPixmap picture = ui::program_picture("shouse.gif"); !picture.isNull()) {
        Image3->setPixmap(picture.scaled(picture_size, picture_size, Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation));
    }
    Image2->setVisible(!console_locked);
    center();
    show();
    Text1->setFocus();
}

void Form7::center() {
    ui::center(*this);
}

void Form7::pok() {
    const QString entry = Text1->text();
    const std::string typed = ui::from_qstring(entry);
    // An entry the password's encoding cannot hold is never the password, even when its "?"
    // replacements would match.
    if (ui::to_qstring(typed) != entry || !log_on(typed)) {
        ui::msgbox(QStringLiteral("Incorrect Password. Please try again."), ui::Icon::exclamation,
                   ui::Buttons::ok, this);
        // The log only reports; it never decides a log-on.
        static_cast<void>(append_failed_logon(ui::short_date_now(), ui::long_time_now(), typed));
        Text1->clear();
        Text1->setFocus();
        return;
    }
    show_failed_attempts();
    console_locked = false;
    logged_on_ = true;
    emit logged_on();
    close();
}

void Form7::show_failed_attempts() {
    static_cast<void>(create_failed_logon_log());
    const std::optional<std::string> attempts = read_failed_logon_log();
    if (!attempts) {
        return;
    }
    ui::msgbox(QStringLiteral("Failed Log-on Attempts:\n\n") + ui::to_qstring(*attempts),
               ui::Icon::exclamation, ui::Buttons::ok, this);
    static_cast<void>(delete_failed_logon_log());
}

void Form7::closeEvent(QCloseEvent* event) {
    if (logged_on_) {
        event->accept();
        return;
    }
    if (console_locked) {
        // Only the password leads back to the hidden gradebook.
        event->ignore();
        return;
    }
    ui::end_program();
    event->accept();
}

} // namespace quillmark
