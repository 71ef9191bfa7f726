#include "gradebook/score_box.h"

#include "classdata/class_data.h"
#include "classdata/numbers.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/text.h"

#include <algorithm>
#include <optional>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

namespace quillmark {
namespace {

const QString excused_text = QStringLiteral("E");

QString score_text(std::int16_t score) {
    return score == excused ? excused_text : QString::number(score);
}

// Typing stops at four characters, or at the length of the cell's stored score where a class
// file held a longer one: a maximum length would cut that score whenever the repaint writes it.
// As the score follows the typing, a long one may be shortened but never lengthened.
class TypingLimit : public QValidator {
public:
    explicit TypingLimit(ScoreBox& box)
        : QValidator{&box}
        , box_{box} {}

    State validate(QString& input, int&) const override {
        const QString stored = score_text(students[box_.student()].scores[box_.assignment()]);
        return input.size() > std::max(qsizetype{4}, stored.size()) ? Invalid : Acceptable;
    }

private:
    const ScoreBox& box_;
};

// Focus that leaves for a message box, a menu or another application comes back to the same
// box; the grid does not count it as leaving the box.
bool leaves_the_window(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

std::optional<std::int16_t> score_of(const QString& text) {
    const std::optional<double> number = parse_number(ui::from_qstring(text));
    if (!number) {
        return std::nullopt;
    }
    return round_to_int16(*number);
}

enum class HistoryKey { none, undo, redo };

HistoryKey history_key(const QKeyEvent& key) {
    const QKeyCombination pressed = key.keyCombination();
    if (pressed == (Qt::CTRL | Qt::Key_Z)) {
        return HistoryKey::undo;
    }
    if (pressed == (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z) ||
        pressed == (Qt::CTRL | Qt::Key_Y)) {
        return HistoryKey::redo;
    }
    return HistoryKey::none;
}

} // namespace

ScoreBox::ScoreBox(int index, QWidget* parent)
    : QLineEdit{parent}
    , index_{index} {
    setObjectName(QStringLiteral("Text1(%1)").arg(index));
    setValidator(new TypingLimit{*this});
    setFont(ui::sans_serif(8.25, true));
    setFocusPolicy(Qt::ClickFocus);
    ui::set_background(*this, Qt::white);
    set_text_color(Qt::black);
    connect(this, &QLineEdit::textChanged, this, &ScoreBox::store_text);
}

std::int16_t ScoreBox::student() const {
    return static_cast<std::int16_t>(top_student + row());
}

std::int16_t ScoreBox::assignment() const {
    return static_cast<std::int16_t>(left_assignment + column());
}

bool ScoreBox::defined() const {
    return student_used(student()) && assignment_used(assignment());
}

void ScoreBox::render() {
    const bool cell_defined = defined();
    setReadOnly(!cell_defined);
    if (!cell_defined) {
        if (!text().isEmpty()) {
            clear();
        }
        return;
    }
    setText(score_text(students[student()].scores[assignment()]));
}

bool ScoreBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Claiming the key keeps it from the menu's shortcut and brings it to keyPressEvent.
        switch (history_key(*static_cast<QKeyEvent*>(event))) {
        case HistoryKey::undo:
            event->setAccepted(isUndoAvailable());
            return true;
        case HistoryKey::redo:
            event->setAccepted(isRedoAvailable());
            return true;
        case HistoryKey::none:
            break;
        }
    }
    return QLineEdit::event(event);
}

void ScoreBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A click that brings the focus places the cursor after the focus came; the whole score is
    // selected once the button is released.
    select_on_release = select_on_release || event->reason() == Qt::MouseFocusReason;
    if (!leaves_the_window(event->reason())) {
        selectAll();
    }
}

void ScoreBox::mousePressEvent(QMouseEvent* event) {
    // A click into a window that is not active yet (without a window manager the program
    // activates it itself, after the click) reaches the box before its focus does.
    select_on_release = select_on_release || !hasFocus();
    QLineEdit::mousePressEvent(event);
}

void ScoreBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (select_on_release) {
        select_on_release = false;
        selectAll();
    }
}

void ScoreBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!leaves_the_window(event->reason())) {
        emit focus_lost();
    }
}

void ScoreBox::keyPressEvent(QKeyEvent* event) {
    select_on_release = false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enter_pressed();
        return;
    }
    // Each platform binds its own keys to a text box's undo and redo; these are the ones the
    // menu shows.
    switch (history_key(*event)) {
    case HistoryKey::undo:
        event->accept();
        undo();
        return;
    case HistoryKey::redo:
        event->accept();
        redo();
        return;
    case HistoryKey::none:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void ScoreBox::store_text() {
    const QString typed = text();
    if (typed.isEmpty()) {
        set_text_color(Qt::black);
        return;
    }
    if (typed == excused_text) {
        set_text_color(Qt::blue);
        store(excused);
        return;
    }
    set_text_color(typed == QStringLiteral("0") ? Qt::red : Qt::black);
    const std::optional<std::int16_t> score = score_of(typed);
    if (!score) {
        // Also what does not fit a score (9e99, 1e5): nothing is stored.
        ui::msgbox(QStringLiteral("Please enter a numeric value."), ui::Icon::information,
                   ui::Buttons::ok, window());
        clear();
        setFocus();
        return;
    }
    store(*score);
}

void ScoreBox::store(std::int16_t score) {
    std::int16_t& stored = students[student()].scores[assignment()];
    if (stored != score) {
        emit score_changing();
        stored = score;
    }
}

void ScoreBox::set_text_color(const QColor& color) {
    if (palette().color(QPalette::Text) == color) {
        return;
    }
    QPalette colors = palette();
    colors.setColor(QPalette::Text, color);
    setPalette(colors);
}

} // namespace quillmark
