#include "grid_fixture.h"

#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

namespace quillmark::testing {

void GridTest::SetUp() {
    GuiFixture::SetUp();
    clear_class();
    class_file = "Algebra.cls";
}

void GridTest::add_student(int slot, const std::string& first, const std::string& last,
                           const std::string& id, const std::string& telephone) {
    students[slot].first_name = first;
    students[slot].last_name = last;
    students[slot].id_number = id;
    students[slot].telephone = telephone;
}

void GridTest::add_assignment(int slot, const std::string& title, int points,
                              const std::string& notes) {
    asg_title[slot] = title;
    asg_points[slot] = static_cast<std::int16_t>(points);
    asg_notes[slot] = notes;
}

Form1& GridTest::open_gradebook() {
    window_ = new Form1;
    window_->load();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
    return *window_;
}

QLineEdit& GridTest::score_box(int k) const {
    return control<QLineEdit>(QStringLiteral("Text1(%1)").arg(k));
}

QString GridTest::caption(const QString& label) const {
    return control<QLabel>(label).text();
}

void GridTest::hover(QWidget& widget) {
    const QPointF inside{widget.rect().center()};
    QMouseEvent move{QEvent::MouseMove, inside,       widget.mapToGlobal(inside),
                     Qt::NoButton,      Qt::NoButton, Qt::NoModifier};
    QApplication::sendEvent(&widget, &move);
}

} // namespace quillmark::testing
