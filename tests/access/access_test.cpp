#include "access/logon_window.h"
#include "access/password_check.h"
#include "app/navigator.h"
#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "support/dialog_script.h"
#include "ui/clock.h"
#include "ui/program_end.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

namespace quillmark {
namespace {

using testing::shown_window;
using ui::Answer;
using ui::Icon;

// Log-on lines are compared with the literal texts of one known locale and zone; Qt reads both
// at their first use, well after this.
[[maybe_unused]] const bool known_locale =
    ::setenv("LC_ALL", "en_US.UTF-8", 1) == 0 && ::setenv("TZ", "UTC", 1) == 0;

const QDateTime clock_moment{QDate{2024, 3, 5}, QTime{14, 7, 9}};
const QString question = QStringLiteral("Would you like to password protect your class data? If "
                                        "you choose 'No', you may enable this feature at a later "
                                        "time.");
const QString first_prompt = QStringLiteral("Please enter a password:");
const QString second_prompt = QStringLiteral("Please re-enter your password for confirmation:");
const QString incorrect = QStringLiteral("Incorrect Password. Please try again.");

class AccessTest : public testing::GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        ui::set_clock([] { return clock_moment; });
        ui::set_program_end_handler([] { ADD_FAILURE() << "The program ended."; });
    }
    void TearDown() override {
        GuiFixture::TearDown();
        ui::set_clock({});
        ui::set_program_end_handler({});
    }

    static void enter_password(QWidget& window, const QString& text) {
        auto* entry = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
        QTest::keyClicks(entry, text);
        QTest::keyClick(entry, Qt::Key_Return);
    }
};

TEST_F(AccessTest, WithoutAPasswordTheClassManagerOpens) {
    dialogs.expect_message(question, Answer::no, Icon::none);
    start_program();
    EXPECT_EQ(nullptr, shown_window("Form7"));
    EXPECT_NE(nullptr, shown_window("Form4"));
}

TEST_F(AccessTest, TheSetUpAsksAgainAfterARefusalAndWrongEntriesShowOnceAtTheNextLogOn) {
    dialogs.expect_message(question, Answer::yes, Icon::none)
        .expect_input(first_prompt, QStringLiteral("one"), QString{})
        .expect_input(second_prompt, QStringLiteral("two"), QString{})
        .expect_message(QStringLiteral("Passwords do not match!"), Answer::ok, Icon::error)
        .expect_input(first_prompt, QString{})
        .expect_input(second_prompt, QString{})
        .expect_message(QStringLiteral("Password set successfully."), Answer::ok,
                        Icon::information);
    start_program();
    EXPECT_EQ(password + "\r\n", read_file("qmk.dat"));
    QWidget* logon = shown_window("Form7");
    ASSERT_NE(nullptr, logon);
    EXPECT_TRUE(logon->findChild<QWidget*>(QStringLiteral("Image2"))->isVisible());

    dialogs.expect_message(incorrect, Answer::ok, Icon::exclamation);
    // The entry takes 20 characters, so a longer text never gets through whole.
    enter_password(*logon, QStringLiteral("a,bcdefghijklmnopqrstu"));
    dialogs.verify();
    const std::string when = "3/5/24 2:07:09 PM UTC";
    EXPECT_EQ(when + " a,bcdefghijklmnopqrs\r\n", read_file("qmk.els"));

    // Each comma starts a line of its own.
    dialogs.expect_message(QString::fromStdString("Failed Log-on Attempts:\n\n" + when +
                                                  " a\r\nbcdefghijklmnopqrs\r\n"),
                           Answer::ok, Icon::exclamation);
    enter_password(*logon, QString{});
    EXPECT_FALSE(std::filesystem::exists(folder() / "qmk.els"));
    EXPECT_EQ(nullptr, shown_window("Form7"));
    EXPECT_NE(nullptr, shown_window("Form4"));
}

TEST_F(AccessTest, ALockedConsoleHidesQuitAndRefusesToCloseOrAForeignEntry) {
    ASSERT_TRUE(set_password("Secret"));
    auto* gradebook = new Form1;
    gradebook->show();
    lock_console(*gradebook);
    EXPECT_FALSE(gradebook->isVisible());
    QWidget* logon = shown_window("Form7");
    ASSERT_NE(nullptr, logon);
    EXPECT_TRUE(logon->findChild<QWidget*>(QStringLiteral("Image2"))->isHidden());
    EXPECT_FALSE(logon->close());

    enter_password(*logon, QStringLiteral("Secret"));
    EXPECT_TRUE(gradebook->isVisible());
}

} // namespace
} // namespace quillmark
