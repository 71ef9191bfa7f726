#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "grid_fixture.h"
#include "ui/program_end.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace quillmark::testing {
namespace {

class AutosaveAndCloseTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        instructor = "T. Sample";
        add_student(0, "Ann", "Sample", "1001");
        add_assignment(0, "Quiz 1", 20);
        students[0].scores[0] = 18;
        ui::set_program_end_handler([this] { ++program_ends; });
    }
    void TearDown() override {
        ui::set_program_end_handler(nullptr);
        GridTest::TearDown();
    }

    static std::string class_bytes() {
        std::ostringstream bytes;
        write_class(bytes);
        return bytes.str();
    }

    // Makes every save of the class fail: a folder stands where its file should be.
    void break_saving() const {
        std::filesystem::remove(folder() / class_file);
        std::filesystem::create_directory(folder() / class_file);
    }
    void mend_saving() const { std::filesystem::remove(folder() / class_file); }

    void trigger(const char* action) const {
        auto* found = window_->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(nullptr, found) << action;
        found->trigger();
    }

    static bool window_named(const char* name) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String(name) && window->isVisible()) {
                return true;
            }
        }
        return false;
    }

    int program_ends = 0;
};

TEST_F(AutosaveAndCloseTest, ATickSavesUnderItsOwnTitlesShownOrHidden) {
    Form1& gradebook = open_gradebook();
    QStringList titles;
    QObject::connect(&gradebook, &QWidget::windowTitleChanged,
                     [&titles](const QString& title) { titles.append(title); });

    auto* timer = gradebook.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(nullptr, timer);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(20000, timer->interval());
    QMetaObject::invokeMethod(timer, "timeout");

    EXPECT_EQ((QStringList{"Autosaving - Please Wait...", "Quillmark - [Algebra.cls]",
                           "Calculating Overall Class Analysis - Please Wait...",
                           "Quillmark - [Algebra.cls]"}),
              titles);
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));
    EXPECT_EQ(QStringLiteral("Average: 90%"), caption(QStringLiteral("Label7")));

    gradebook.hide();
    students[0].scores[0] = 10;
    EXPECT_TRUE(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));
    EXPECT_NE(std::string::npos, read_file("Algebra.cls").find("\r\n 10 \r\n"));
}

TEST_F(AutosaveAndCloseTest, AFailedTickIsReportedOnceUntilASaveSucceeds) {
    Form1& gradebook = open_gradebook();
    break_saving();
    dialogs.expect_message_starting(QStringLiteral("Could not save \"Algebra.cls\": "),
                                    ui::Answer::ok, ui::Icon::error);
    gradebook.autosave();
    gradebook.autosave();
    EXPECT_TRUE(dialogs.done());
    EXPECT_TRUE(std::filesystem::is_directory(folder() / "Algebra.cls"));

    mend_saving();
    gradebook.autosave();
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));

    break_saving();
    dialogs.expect_message_starting(QStringLiteral("Could not save \"Algebra.cls\": "));
    gradebook.autosave();
    EXPECT_EQ(QStringLiteral("Quillmark - [Algebra.cls]"), gradebook.windowTitle());
}

TEST_F(AutosaveAndCloseTest, EveryWayOfClosingSaves) {
    open_gradebook().close();
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));

    students[0].scores[0] = 5;
    open_gradebook();
    trigger("saveclass");
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));
    EXPECT_TRUE(window_named("Form4"));
    EXPECT_FALSE(window_named("Form1"));
    EXPECT_EQ(0, program_ends);

    students[0].scores[0] = 6;
    open_gradebook();
    trigger("exit");
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));
    EXPECT_FALSE(window_named("Form1"));
    EXPECT_EQ(1, program_ends);
}

TEST_F(AutosaveAndCloseTest, AFailedSaveAtCloseLetsTheTeacherStay) {
    Form1& gradebook = open_gradebook();
    break_saving();
    const QString question = QStringLiteral("Could not save \"Algebra.cls\": ");

    dialogs.expect_message_starting(question, ui::Answer::no);
    EXPECT_FALSE(gradebook.close());
    EXPECT_TRUE(gradebook.isVisible());
    // The teacher was just told; the ticks that go on trying say nothing more.
    gradebook.autosave();

    dialogs.expect_message_starting(question, ui::Answer::no);
    trigger("exit");
    dialogs.expect_message_starting(question, ui::Answer::no);
    trigger("saveclass");
    EXPECT_TRUE(gradebook.isVisible());
    EXPECT_FALSE(window_named("Form4"));
    EXPECT_EQ(0, program_ends);

    dialogs.expect_message_starting(question, ui::Answer::yes);
    trigger("exit");
    EXPECT_EQ(1, program_ends);
    EXPECT_TRUE(dialogs.done());
}

TEST_F(AutosaveAndCloseTest, BlankScreenLocksAndReturnsToTheSamePlace) {
    for (int s = 1; s < 40; ++s) {
        add_student(s, "First", "Last", std::to_string(s));
    }
    password = no_password;
    Form1& gradebook = open_gradebook();
    dialogs.expect_message(QStringLiteral("Please set a password (Setup->Change Password...) "
                                          "before using the 'Lock Console' feature."),
                           ui::Answer::ok, ui::Icon::information);
    QTest::mouseClick(&control<QWidget>(QStringLiteral("Image2(2)")), Qt::LeftButton);
    EXPECT_TRUE(gradebook.isVisible());

    password = "secret";
    control<QScrollBar>(QStringLiteral("VScroll1")).setValue(25);
    QTest::mouseClick(&control<QWidget>(QStringLiteral("text3(3)")), Qt::LeftButton);
    ASSERT_EQ(28, selected_student);
    QTest::mouseClick(&control<QWidget>(QStringLiteral("Label21(2)")), Qt::LeftButton);
    EXPECT_FALSE(gradebook.isVisible());
    EXPECT_TRUE(console_locked);

    gradebook.autosave();
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));

    QWidget* logon = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form7")) {
            logon = window;
        }
    }
    ASSERT_NE(nullptr, logon);
    auto* entry = logon->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClicks(entry, QStringLiteral("secret"));
    QTest::keyClick(entry, Qt::Key_Return);

    EXPECT_TRUE(gradebook.isVisible());
    EXPECT_FALSE(console_locked);
    EXPECT_EQ(25, top_student);
    EXPECT_EQ(25, control<QScrollBar>(QStringLiteral("VScroll1")).value());
    EXPECT_EQ(28, selected_student);
    EXPECT_EQ(QStringLiteral("Last First"), control<QLineEdit>(QStringLiteral("text3(3)")).text());
}

TEST_F(AutosaveAndCloseTest, ChangePasswordAsksAgain) {
    open_gradebook();
    write_file("qmk.dat", "old\r\n");
    dialogs.expect_message(QStringLiteral("Would you like to password protect your class data? If "
                                          "you choose 'No', you may enable this feature at a "
                                          "later time."),
                           ui::Answer::no);
    trigger("changepw");
    EXPECT_EQ("zxqv\r\n", read_file("qmk.dat"));
    EXPECT_EQ("zxqv", password);
}

} // namespace
} // namespace quillmark::testing
