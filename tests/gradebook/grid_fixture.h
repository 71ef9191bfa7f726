#pragma once

#include "gradebook/gradebook_window.h"
#include "support/dialog_script.h"

#include <stdexcept>
#include <string>

#include <QLineEdit>
#include <QString>

namespace quillmark::testing {

// A gradebook over a class built straight in the class data.
class GridTest : public GuiFixture {
protected:
    void SetUp() override;

    static void add_student(int slot, const std::string& first, const std::string& last,
                            const std::string& id, const std::string& telephone = {});
    static void add_assignment(int slot, const std::string& title, int points,
                               const std::string& notes = {});

    // Opens the gradebook window on the class, shown and active.
    Form1& open_gradebook();

    // A control of the open gradebook by its name; a missing one fails the test.
    template <class Control> Control& control(const QString& name) const {
        auto* found = window_->findChild<Control*>(name);
        if (found == nullptr) {
            throw std::runtime_error{"no control " + name.toStdString()};
        }
        return *found;
    }
    QLineEdit& score_box(int k) const;
    QString caption(const QString& label) const;

    // The pointer moves over the widget, no button held.
    static void hover(QWidget& widget);

    Form1* window_ = nullptr;
};

} // namespace quillmark::testing
