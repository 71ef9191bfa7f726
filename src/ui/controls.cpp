#include "ui/controls.h"

#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/text.h"

#include <algorithm>

#include <QLabel>
#include <QLatin1String>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace quillmark::ui {

QString indexed_name(const char* control, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String{control}).arg(index);
}

QLabel* add_label(QWidget& parent, const QString& name, const QString& caption,
                  const QRect& place) {
    auto* label = new QLabel{caption, &parent};
    label->setObjectName(name);
    // Labels show class data, which must never be read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    return label;
}

QLabel* add_caption(QWidget& parent, const QString& name, const QString& caption,
                    const QRect& place) {
    QLabel* label = add_label(parent, name, caption, place);
    set_colors(*label, Qt::white, Qt::black);
    return label;
}

QLineEdit* add_box(QWidget& parent, const QString& name, int max_length, const QRect& place) {
    auto* box = new QLineEdit{&parent};
    box->setObjectName(name);
    box->setMaxLength(max_length);
    box->setGeometry(place);
    return box;
}

QPushButton* add_button(QWidget& parent, const QString& name, const QString& caption,
                        const QRect& place) {
    auto* button = new QPushButton{caption, &parent};
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}

void set_colors(QLabel& label, const QColor& text, const QColor& back) {
    set_background(label, back);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, text);
    label.setPalette(palette);
}

void fill_box(QLineEdit& box, const QString& text) {
    box.setMaxLength(std::max(box.maxLength(), static_cast<int>(text.size())));
    box.setText(text);
}

void focus_whole(QLineEdit& box) {
    box.setFocus(Qt::TabFocusReason);
    box.selectAll();
}

void mask_with_asterisks(QLineEdit& box) {
    box.setEchoMode(QLineEdit::Password);
    // The style's own mask is a dot on most desktops.
    box.setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

bool check_storable(QLineEdit& box) {
    const QString refusal = unstorable_message(box.text());
    if (refusal.isEmpty()) {
        return true;
    }
    msgbox(refusal, Icon::exclamation, Buttons::ok, box.window());
    box.setFocus();
    return false;
}

void set_tab_order(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace quillmark::ui
