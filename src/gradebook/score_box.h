#pragma once

#include <cstdint>

#include <QLineEdit>

namespace quillmark {

// One of the grid's 100 score boxes. Box k sits in row k / 10 and column k % 10, over the cell
// of student top_student + row and assignment left_assignment + column. Every change of its
// text, typed or written by the repaint, is checked and stored into that score at once: "E"
// stores the excused mark, a number is rounded to a whole one, an empty box stores nothing,
// and anything else is refused with a message and emptied. Typing stops at four characters; a
// longer stored score still shows whole. Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y take back and make
// again the box's own typing while it has some to take back (the repaint leaves it none); then
// the keys are the Edit menu's.
class ScoreBox : public QLineEdit {
    Q_OBJECT

public:
    ScoreBox(int index, QWidget* parent);

    int index() const { return index_; }
    int row() const { return index_ / 10; }
    int column() const { return index_ % 10; }
    std::int16_t student() const;
    std::int16_t assignment() const;
    // Both the student and the assignment of the cell are in use.
    bool defined() const;

    // Shows the cell's stored score ("E" when excused). A box whose cell is not defined is
    // emptied and takes no typing, so nothing is ever stored into a slot out of use.
    void render();

signals:
    void enter_pressed();
    // The typing is about to store a score different from the cell's.
    void score_changing();
    // The focus went to another control of the program (not to a message box or another
    // application).
    void focus_lost();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void store_text();
    void store(std::int16_t score);
    void set_text_color(const QColor& color);

    int index_;
    bool select_on_release = false;
};

} // namespace quillmark
