#include "access/logon_window.h"
#include "access/password_check.h"
#include "access/password_setup.h"
#include "app/navigator.h"
#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "support/dialog_script.h"
#include "ui/clock.h"
#include "ui/program_end.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

// A clock that always tells clock_moment, and a program end that only counts.
class AccessTest : public testing::GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        ui::set_clock([] { return clock_moment; });
        ui::set_program_end_handler([this] { ++program_ends; });
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

    int program_ends = 0;
};

TEST_F(AccessTest, WithoutAPasswordTheClassManagerOpensAndWithOneTheLogOn) {
    // What a killed save left behind is cleared away at start.
    write_file(".quillmark-Killed.tmp", "half a class");
    std::filesystem::last_write_time(folder() / ".quillmark-Killed.tmp",
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::minutes{5});
    dialogs.expect_message(question, Answer::no, Icon::none);
    start_program();
    dialogs.verify();
    EXPECT_FALSE(std::filesystem::exists(folder() / ".quillmark-Killed.tmp"));
    EXPECT_EQ("zxqv\r\n", read_file("qmk.dat"));
    delete shown_window("Form4");

    start_program();
    EXPECT_EQ(nullptr, shown_window("Form7"));
    EXPECT_NE(nullptr, shown_window("Form4"));
    delete shown_window("Form4");

    write_file("qmk.dat", "Secret\r\n");
    EXPECT_TRUE(start_program());
    EXPECT_NE(nullptr, shown_window("Form7"));
    EXPECT_EQ(nullptr, shown_window("Form4"));
    delete shown_window("Form7");

    // A file too large to be a password file is left as it is, and the program does not start.
    const std::string large(5000, 'x');
    write_file("qmk.dat", large);
    dialogs.expect_message_starting(QStringLiteral("The password file \"qmk.dat\" holds more"),
                                    Answer::ok, Icon::error);
    EXPECT_FALSE(start_program());
    dialogs.verify();
    EXPECT_EQ(nullptr, shown_window("Form7"));
    EXPECT_EQ(nullptr, shown_window("Form4"));
    EXPECT_EQ(large, read_file("qmk.dat"));
}

TEST_F(AccessTest, RefusedAnswersAskAgainAndCancellingBothSetsAnEmptyPassword) {
    const QString cyrillic = QStringLiteral("\u043f\u0430\u0440\u043e\u043b\u044c");
    const QString too_long = QStringLiteral("abcdefghijklmnopqrstu");
    dialogs.expect_message(question, Answer::yes, Icon::none)
        .expect_input(first_prompt, QStringLiteral("one"), QString{})
        .expect_input(second_prompt, QStringLiteral("two"), QString{})
        .expect_message(QStringLiteral("Passwords do not match!"), Answer::ok, Icon::error)
        .expect_input(first_prompt, cyrillic)
        .expect_input(second_prompt, cyrillic)
        .expect_message_starting(QStringLiteral("Passwords can only use"), Answer::ok, Icon::error)
        .expect_input(first_prompt, too_long)
        .expect_input(second_prompt, too_long)
        .expect_message(QStringLiteral("Passwords can be at most 20 characters long."), Answer::ok,
                        Icon::error)
        .expect_input(first_prompt, QString{})
        .expect_input(second_prompt, QString{})
        .expect_message(QStringLiteral("Password set successfully."), Answer::ok,
                        Icon::information);
    start_program();
    // Saved as the core writes it.
    EXPECT_EQ(password + "\r\n", read_file("qmk.dat"));
    QWidget* logon = shown_window("Form7");
    ASSERT_NE(nullptr, logon);
    EXPECT_TRUE(logon->findChild<QWidget*>(QStringLiteral("Image2"))->isVisible());

    enter_password(*logon, QString{});
    EXPECT_NE(nullptr, shown_window("Form4"));
    EXPECT_EQ(nullptr, shown_window("Form7"));
}

TEST_F(AccessTest, TheSetUpsPasswordBoxesShowStars) {
    // The real boxes, answered as they come up.
    ui::set_dialog_handler(nullptr);
    QList<QLineEdit::EchoMode> echoes;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&echoes] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes != nullptr ? yes : box->button(QMessageBox::Ok))->click();
        } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            echoes.append(input->textEchoMode());
            input->setTextValue(QStringLiteral("pw"));
            input->accept();
        }
    });
    answerer.start(0);
    password_setup();
    ui::set_dialog_handler(&dialogs);
    EXPECT_EQ((QList{QLineEdit::Password, QLineEdit::Password}), echoes);
    EXPECT_TRUE(password_matches("pw", password));
}

TEST_F(AccessTest, WrongEntriesAreLoggedAndShownOnceAtTheNextLogOn) {
    password = "Secret";
    Form7* logon = &show_logon();
    dialogs.expect_message(incorrect, Answer::ok, Icon::exclamation)
        .expect_message(incorrect, Answer::ok, Icon::exclamation);
    enter_password(*logon, QStringLiteral("secret"));
    // The entry takes 20 characters, so a longer text never gets through whole.
    enter_password(*logon, QStringLiteral("a,bcdefghijklmnopqrstu"));
    dialogs.verify();

    const std::string when = "3/5/24 2:07:09 PM UTC";
    EXPECT_EQ(when + " secret\r\n" + when + " a,bcdefghijklmnopqrs\r\n", read_file("qmk.els"));
    EXPECT_EQ(std::filesystem::perms{0600},
              std::filesystem::status(folder() / "qmk.els").permissions());

    // Each comma starts a line of its own.
    const std::string shown = "Failed Log-on Attempts:\n\n" + when + " secret\r\n" + when +
                              " a\r\nbcdefghijklmnopqrs\r\n";
    dialogs.expect_message(QString::fromStdString(shown), Answer::ok, Icon::exclamation);
    enter_password(*logon, QStringLiteral("Secret"));
    EXPECT_FALSE(std::filesystem::exists(folder() / "qmk.els"));
    EXPECT_EQ(nullptr, shown_window("Form7"));
    EXPECT_NE(nullptr, shown_window("Form4"));
}

TEST_F(AccessTest, ALockedConsoleHidesQuitAndRefusesToCloseOrAForeignEntry) {
    password = "??????";
    auto* gradebook = new Form1;
    gradebook->show();
    lock_console(*gradebook);
    EXPECT_FALSE(gradebook->isVisible());
    QWidget* logon = shown_window("Form7");
    ASSERT_NE(nullptr, logon);
    EXPECT_TRUE(logon->findChild<QWidget*>(QStringLiteral("Image2"))->isHidden());
    EXPECT_FALSE(logon->close());
    EXPECT_EQ(0, program_ends);

    // Cyrillic letters would reach the password's encoding as "?" each.
    auto* entry = logon->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::sendKeyEvent(QTest::Click, entry, Qt::Key_unknown,
                        QStringLiteral("\u043f\u0430\u0440\u043e\u043b\u044c"), Qt::NoModifier);
    EXPECT_EQ(QStringLiteral("******"), entry->displayText());
    dialogs.expect_message(incorrect, Answer::ok, Icon::exclamation);
    QTest::keyClick(entry, Qt::Key_Return);
    dialogs.verify();
    EXPECT_FALSE(gradebook->isVisible());

    // The lock checks against the stored hash.
    ASSERT_TRUE(set_password("Secret"));
    dialogs.expect_message_starting(QStringLiteral("Failed Log-on Attempts:"));
    enter_password(*logon, QStringLiteral("Secret"));
    EXPECT_TRUE(gradebook->isVisible());
}

} // namespace
} // namespace quillmark
