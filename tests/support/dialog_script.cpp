#include "support/dialog_script.h"

#include <QApplication>
#include <QPointer>

namespace quillmark::testing {

DialogScript::DialogScript() {
    ui::set_dialog_handler(this);
}

DialogScript::~DialogScript() {
    verify();
    ui::set_dialog_handler(nullptr);
}

namespace {

const char* kind_name(int kind) {
    static const char* const names[] = {"message", "input box", "save-file dialog",
                                        "open-file dialog", "choice box"};
    return names[kind];
}

} // namespace

void DialogScript::verify() {
    for (const Expected& box : expected_) {
        ADD_FAILURE() << "expected " << kind_name(static_cast<int>(box.kind))
                      << " never shown: " << box.text.toStdString();
    }
    expected_.clear();
}

bool DialogScript::take(Kind kind, const QString& shown, Expected& box) {
    if (expected_.empty() || expected_.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << kind_name(static_cast<int>(kind)) << ": "
                      << shown.toStdString();
        return false;
    }
    box = expected_.front();
    expected_.pop_front();
    if (box.while_shown) {
        box.while_shown();
    }
    return true;
}

ui::Answer DialogScript::message(const QString& text, ui::Icon icon, ui::Buttons buttons) {
    return detailed_message(text, {}, icon, buttons);
}

ui::Answer DialogScript::detailed_message(const QString& text, const QString& details,
                                          ui::Icon icon, ui::Buttons buttons) {
    Expected box;
    if (!take(Kind::message, text, box)) {
        return buttons == ui::Buttons::yes_no ? ui::Answer::no : ui::Answer::ok;
    }
    const bool matches = box.prefix_only ? text.startsWith(box.text) : text == box.text;
    EXPECT_TRUE(matches) << "message shown: " << text.toStdString()
                         << "\nmessage expected: " << box.text.toStdString();
    if (box.icon) {
        EXPECT_EQ(static_cast<int>(*box.icon), static_cast<int>(icon))
            << "icon of " << text.toStdString();
    }
    EXPECT_EQ(buttons == ui::Buttons::yes_no,
              box.answer == ui::Answer::yes || box.answer == ui::Answer::no)
        << "buttons of " << text.toStdString();
    EXPECT_EQ(box.details.toStdString(), details.toStdString())
        << "details of " << text.toStdString();
    return box.answer;
}

QString DialogScript::input(const QString& prompt, const QString& default_answer) {
    Expected box;
    if (!take(Kind::input, prompt, box)) {
        return {};
    }
    EXPECT_EQ(box.text.toStdString(), prompt.toStdString());
    if (box.default_answer) {
        EXPECT_EQ(box.default_answer->toStdString(), default_answer.toStdString())
            << "default answer of " << prompt.toStdString();
    }
    return box.input_answer;
}

QString DialogScript::file_answer(Kind kind, const QString& shown) {
    Expected box;
    if (!take(kind, shown, box)) {
        return {};
    }
    EXPECT_EQ(box.text.toStdString(), shown.toStdString());
    return box.input_answer;
}

QString DialogScript::save_file(const QString& proposed_path) {
    return file_answer(Kind::save_file, proposed_path);
}

QString DialogScript::open_file(const QString& folder) {
    return file_answer(Kind::open_file, folder);
}

int DialogScript::choice(const QString& prompt, const QStringList& items) {
    Expected box;
    if (!take(Kind::choice, prompt, box)) {
        return -1;
    }
    EXPECT_EQ(box.text.toStdString(), prompt.toStdString());
    EXPECT_EQ(box.items.join(u'|').toStdString(), items.join(u'|').toStdString())
        << "items of " << prompt.toStdString();
    return box.chosen;
}

bool DialogScript::open_url(const QUrl& url) {
    opened_urls_.append(url);
    return true;
}

void GuiFixture::TearDown() {
    dialogs.verify();
    // Windows may own other windows, so each is deleted only while it still exists.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        windows.append(window);
    }
    for (const QPointer<QWidget>& window : windows) {
        delete window.data();
    }
    ClassFixture::TearDown();
}

QWidget* shown_window(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

} // namespace quillmark::testing
