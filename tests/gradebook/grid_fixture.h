#pragma once

#include "app/navigator.h"
#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "support/dialog_script.h"
#include "ui/program_end.h"

#include <stdexcept>
#include <string>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTest>

namespace quillmark::testing {

// A gradebook over a class built straight in the class data; ending the program only counts.
class GridTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        clear_class();
        class_file = "Algebra.cls";
        ui::set_program_end_handler([this] { ++program_ends; });
    }
    void TearDown() override {
        ui::set_program_end_handler(nullptr);
        GuiFixture::TearDown();
    }

    static void add_student(int slot, const std::string& first, const std::string& last,
                            const std::string& id) {
        students[slot].first_name = first;
        students[slot].last_name = last;
        students[slot].id_number = id;
    }
    static void add_assignment(int slot, const std::string& title, int points) {
        asg_title[slot] = title;
        asg_points[slot] = static_cast<std::int16_t>(points);
    }

    // Opens the gradebook window on the class, shown and active.
    Form1& open_gradebook() {
        window_ = &show_gradebook();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
        return *window_;
    }

    // A control or menu entry of the open gradebook by its name; a missing one fails the test.
    template <class Control> Control& control(const QString& name) const {
        auto* found = window_->findChild<Control*>(name);
        if (found == nullptr) {
            throw std::runtime_error{"no control " + name.toStdString()};
        }
        return *found;
    }
    QLineEdit& score_box(int k) const {
        return control<QLineEdit>(QStringLiteral("Text1(%1)").arg(k));
    }
    QString caption(const QString& label) const { return control<QLabel>(label).text(); }
    void click(const QString& name) const {
        QTest::mouseClick(&control<QWidget>(name), Qt::LeftButton);
    }
    void trigger(const char* entry) const { control<QAction>(QLatin1String{entry}).trigger(); }

    Form1* window_ = nullptr;
    int program_ends = 0;
};

} // namespace quillmark::testing
