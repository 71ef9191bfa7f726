#include "access/console_lock.h"
#include "access/logon_window.h"
#include "access_fixture.h"
#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace quillmark {
namespace {

using LogonWindowTest = testing::AccessFixture;
using testing::enter_password;
using testing::shown_window;

const QString incorrect = QStringLiteral("Incorrect Password. Please try again.");

Form7& open_logon() {
    auto* logon = new Form7;
    logon->load();
    return *logon;
}

TEST_F(LogonWindowTest, WrongEntriesAreLoggedAndShownOnceAtTheNextLogOn) {
    password = "Secret";
    Form7& logon = open_logon();
    dialogs.expect_message(incorrect, ui::Answer::ok, ui::Icon::exclamation)
        .expect_message(incorrect, ui::Answer::ok, ui::Icon::exclamation);
    enter_password(logon, QStringLiteral("secret"));
    // The entry takes 20 characters, so a longer text never gets through whole.
    enter_password(logon, QStringLiteral("a,bcdefghijklmnopqrstu"));
    dialogs.verify();

    const QLocale locale = QLocale::system();
    const QDateTime moment = testing::clock_moment();
    const std::string when = (locale.toString(moment.date(), QLocale::ShortFormat) + " " +
                              locale.toString(moment, locale.timeFormat(QLocale::LongFormat)))
                                 .toStdString();
    EXPECT_EQ(when + " secret\r\n" + when + " a,bcdefghijklmnopqrs\r\n", read_file("qmk.els"));
    EXPECT_EQ(0600U, permissions("qmk.els"));
    EXPECT_EQ(&logon, shown_window(QStringLiteral("Form7")));

    const std::string shown = "Failed Log-on Attempts:\n\n" + when + " secret\r\n" + when +
                              " a\r\nbcdefghijklmnopqrs\r\n";
    dialogs.expect_message(QString::fromStdString(shown), ui::Answer::ok, ui::Icon::exclamation);
    enter_password(logon, QStringLiteral("Secret"));
    EXPECT_FALSE(file_exists("qmk.els"));
    EXPECT_EQ(nullptr, shown_window(QStringLiteral("Form7")));
    EXPECT_NE(nullptr, shown_window(QStringLiteral("Form4")));
}

TEST_F(LogonWindowTest, QuitAndTheWindowsCloseEndTheProgramAtStart) {
    password = "Secret";
    Form7& logon = open_logon();
    QTest::mouseClick(logon.findChild<QWidget*>(QStringLiteral("Image2")), Qt::LeftButton);
    EXPECT_EQ(1, program_ends);
    logon.close();
    EXPECT_EQ(2, program_ends);
}

TEST_F(LogonWindowTest, LockingNeedsAPasswordAndThenOnlyThePasswordUnlocks) {
    password = no_password;
    auto* gradebook = new Form1;
    gradebook->show();
    dialogs.expect_message(QStringLiteral("Please set a password (Setup->Change Password...) "
                                          "before using the 'Lock Console' feature."),
                           ui::Answer::ok, ui::Icon::information);
    lock_console(*gradebook);
    dialogs.verify();
    EXPECT_TRUE(gradebook->isVisible());
    EXPECT_EQ(nullptr, shown_window(QStringLiteral("Form7")));

    password = "Secret";
    lock_console(*gradebook);
    EXPECT_FALSE(gradebook->isVisible());
    EXPECT_TRUE(console_locked);
    QWidget* logon = shown_window(QStringLiteral("Form7"));
    ASSERT_NE(nullptr, logon);
    EXPECT_TRUE(logon->findChild<QWidget*>(QStringLiteral("Image2"))->isHidden());
    EXPECT_FALSE(logon->close());
    EXPECT_EQ(0, program_ends);

    QTest::keyClicks(logon->findChild<QLineEdit*>(QStringLiteral("Text1")), "Secret");
    QTest::mouseClick(logon->findChild<QWidget*>(QStringLiteral("Image1")), Qt::LeftButton);
    EXPECT_EQ(gradebook, shown_window(QStringLiteral("Form1")));
    EXPECT_FALSE(console_locked);
    EXPECT_EQ(nullptr, shown_window(QStringLiteral("Form7")));
    EXPECT_EQ(nullptr, shown_window(QStringLiteral("Form4")));
}

} // namespace
} // namespace quillmark
