#pragma once

#include "support/class_fixture.h"
#include "ui/dialogs.h"

#include <deque>
#include <optional>

#include <QString>
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
        return add({false, false, text, answer, icon, {}, std::nullopt});
    }
    // A message box whose text starts so.
    DialogScript& expect_message_starting(const QString& start, ui::Answer answer = ui::Answer::ok,
                                          std::optional<ui::Icon> icon = std::nullopt) {
        return add({false, true, start, answer, icon, {}, std::nullopt});
    }
    DialogScript& expect_input(const QString& prompt, const QString& answer,
                               std::optional<QString> default_answer = std::nullopt) {
        return add({true, false, prompt, ui::Answer::ok, std::nullopt, answer, default_answer});
    }

    // Fails the test for every expected box that has not come; forgets them.
    void verify();
    bool done() const { return expected_.empty(); }

    ui::Answer message(const QString& text, ui::Icon icon, ui::Buttons buttons) override;
    QString input(const QString& prompt, const QString& default_answer) override;

private:
    struct Expected {
        bool is_input = false;
        bool prefix_only = false;
        QString text;
        ui::Answer answer = ui::Answer::ok;
        std::optional<ui::Icon> icon;
        QString input_answer;
        std::optional<QString> default_answer;
    };

    DialogScript& add(Expected box) {
        expected_.push_back(std::move(box));
        return *this;
    }

    std::deque<Expected> expected_;
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
