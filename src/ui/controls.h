#pragma once

#include <initializer_list>

#include <QString>

class QColor;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QWidget;

namespace quillmark::ui {

// The objectName of one member of a control array: indexed_name("Text1", 42) is "Text1(42)".
QString indexed_name(const char* control, int index);

// The controls below are created on parent, named name and placed at place (pixels).

QLabel* add_label(QWidget& parent, const QString& name, const QString& caption, const QRect& place);
// A label in white on black, as field names and the grid's row and column numbers are.
QLabel* add_caption(QWidget& parent, const QString& name, const QString& caption,
                    const QRect& place);
// An empty one-line box that takes at most max_length characters from the keyboard.
QLineEdit* add_box(QWidget& parent, const QString& name, int max_length, const QRect& place);
QPushButton* add_button(QWidget& parent, const QString& name, const QString& caption,
                        const QRect& place);

// Paints the label's text in text and its background in back.
void set_colors(QLabel& label, const QColor& text, const QColor& back);

// Shows text whole, even when it is longer than the box takes from the keyboard (a class file
// may hold one), so that storing the box back never cuts it short.
void fill_box(QLineEdit& box, const QString& text);

// Gives box the focus with its whole text selected, as Tab does, so that typing replaces it.
void focus_whole(QLineEdit& box);

// Shows a password typed into box as a row of "*", one per character.
void mask_with_asterisks(QLineEdit& box);

// True when the class file can store the box's text. Otherwise a message names the characters
// it cannot store and the box gets the focus, its text kept for correction.
bool check_storable(QLineEdit& box);

// Tab moves through the widgets in the order given.
void set_tab_order(std::initializer_list<QWidget*> widgets);

} // namespace quillmark::ui
