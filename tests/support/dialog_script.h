#pragma once

#include "support/class_fixture.h"
#include "ui/dialogs.h"

#include <deque>
#include <functional>
#include <optional>

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace quillmark::testing {

// Answers the program's message and input boxes in place of the user. Each box must be
// expected, in order; an unexpected box, or an expected one that never came, fails the test.
class DialogScript : public ui::DialogHandler {
public:
    DialogScript();
    ~DialogScript() override;
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // A message box with exactly this text (and this icon, when given), answered so.
    DialogScript& expect_message(const QString& text, ui::Answer answer = ui::Answer::ok,
                                 std::optional<ui::Icon> icon = std::nullopt) {
        return add({Kind::message, false, text, answer, icon, {}, std::nullopt, {}});
    }
    // A message box whose text starts so.
    DialogScript& expect_message_starting(const QString& start, ui::Answer answer = ui::Answer::ok,
                                          std::optional<ui::Icon> icon = std::nullopt) {
        return add({Kind::message, true, start, answer, icon, {}, std::nullopt, {}});
    }
    DialogScript& expect_input(const QString& prompt, const QString& answer,
                               std::optional<QString> default_answer = std::nullopt) {
        return add(
            {Kind::input, false, prompt, ui::Answer::ok, std::nullopt, answer, default_answer, {}});
    }
    // A save-file dialog proposing exactly this file name, answered with answer (the empty
    // text cancels it).
    DialogScript& expect_save_file(const QString& proposed_path, const QString& answer) {
        return add({Kind::save_file,
                    false,
                    proposed_path,
                    ui::Answer::ok,
                    std::nullopt,
                    answer,
                    std::nullopt,
                    {}});
    }

    // The message box expected last shows exactly these details (none, unless this is said).
    DialogScript& with_details(const QString& details) {
        expected_.back().details = details;
        return *this;
    }

    // Runs check when the box expected last comes, before it is answered: what the windows
    // behind a box show meanwhile.
    DialogScript& while_shown(std::function<void()> check) {
        expected_.back().while_shown = std::move(check);
        return *this;
    }

    // An open-file dialog starting in this folder, answered with answer (the empty text cancels
    // it).
    DialogScript& expect_open_file(const QString& folder, const QString& answer) {
        return add({Kind::open_file, false, folder, ui::Answer::ok, std::nullopt, answer});
    }
    // A choice box with exactly this prompt and these items, answered with the item at index
    // chosen (-1 cancels it).
    DialogScript& expect_choice(const QString& prompt, const QStringList& items, int chosen) {
        return add({Kind::choice,
                    false,
                    prompt,
                    ui::Answer::ok,
                    std::nullopt,
                    {},
                    std::nullopt,
                    {},
                    items,
                    chosen});
    }

    // The addresses given to the desktop to open, in order; none is really opened.
    const QList<QUrl>& opened_urls() const { return opened_urls_; }

    // Fails the test for every expected box that has not come; forgets them.
    void verify();

    ui::Answer message(const QString& text, ui::Icon icon, ui::Buttons buttons) override;
    ui::Answer detailed_message(const QString& text, const QString& details, ui::Icon icon,
                                ui::Buttons buttons) override;
    QString input(const QString& prompt, const QString& default_answer) override;
    QString save_file(const QString& proposed_path) override;
    QString open_file(const QString& folder) override;
    int choice(const QString& prompt, const QStringList& items) override;
    bool open_url(const QUrl& url) override;

private:
    enum class Kind { message, input, save_file, open_file, choice };

    struct Expected {
        Kind kind = Kind::message;
        bool prefix_only = false;
        QString text;
        ui::Answer answer = ui::Answer::ok;
        std::optional<ui::Icon> icon;
        QString input_answer;
        std::optional<QString> default_answer{};
        std::function<void()> while_shown{};
        QStringList items{};
        int chosen = -1;
        QString details{};
    };

    DialogScript& add(Expected box) {
        expected_.push_back(std::move(box));
        return *this;
    }

    // Takes the next expected box into box when it is of this kind; otherwise fails the test
    // and returns false.
    bool take(Kind kind, const QString& shown, Expected& box);
    // The answer to a file dialog of this kind showing shown.
    QString file_answer(Kind kind, const QString& shown);

    std::deque<Expected> expected_;
    QList<QUrl> opened_urls_;
};

// A class fixture with a dialog script; closes and deletes every window after the test.
class GuiFixture : public ClassFixture {
protected:
    void TearDown() override;

    DialogScript dialogs;
};

// The shown top-level window with this object name ("Form1", ...), or nullptr.
QWidget* shown_window(const char* name);

} // namespace quillmark::testing
