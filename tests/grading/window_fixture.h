#pragma once

#include "gradebook/grid_fixture.h"

#include <stdexcept>

#include <QAbstractButton>
#include <QPointer>

namespace quillmark::testing {

// A window that the gradebook opens over itself and that hands the gradebook back on leaving.
class WindowTest : public GridTest {
protected:
    // The shown window of that name, now the active one.
    bool opened(const char* name) {
        window = shown_window(name);
        if (window != nullptr) {
            window->activateWindow(); // where the focus goes is checked
        }
        return window != nullptr && QTest::qWaitForWindowActive(window);
    }
    // A control of the window by its name; a missing one fails the test.
    template <class Control> Control& in_window(const QString& name) const {
        auto* found = window->findChild<Control*>(name);
        if (found == nullptr) {
            throw std::runtime_error{"no control " + name.toStdString()};
        }
        return *found;
    }
    void press(const char* button) const {
        QTest::mouseClick(&in_window<QAbstractButton>(QLatin1String{button}), Qt::LeftButton);
    }
    // The window is gone and the gradebook is back.
    bool handed_back() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull() && window_->isVisible();
    }

    QPointer<QWidget> window;
};

} // namespace quillmark::testing
