#pragma once

#include "support/dialog_script.h"
#include "ui/clock.h"
#include "ui/program_end.h"

#include <sys/stat.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace quillmark::testing {

inline QDateTime clock_moment() {
    return {QDate{2024, 3, 5}, QTime{14, 7, 9}};
}

// Widget tests of the log-on: a clock that always tells clock_moment(), and a program end that
// only counts.
class AccessFixture : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        ui::set_clock(clock_moment);
        ui::set_program_end_handler([this] { ++program_ends; });
    }
    void TearDown() override {
        GuiFixture::TearDown();
        ui::set_clock({});
        ui::set_program_end_handler({});
    }

    unsigned permissions(std::string_view name) const {
        struct stat status {};
        EXPECT_EQ(0, ::stat((folder() / name).c_str(), &status)) << name;
        return status.st_mode & 0777U;
    }

    int program_ends = 0;
};

// The shown top-level window with this object name, or nullptr.
inline QWidget* shown_window(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

inline void enter_password(QWidget& window, const QString& text) {
    auto* entry = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(nullptr, entry);
    QTest::keyClicks(entry, text);
    QTest::keyClick(entry, Qt::Key_Return);
}

} // namespace quillmark::testing
