#include "access/program_start.h"
#include "access_fixture.h"
#include "classdata/class_data.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using ProgramStartTest = testing::AccessFixture;
using testing::shown_window;

TEST_F(ProgramStartTest, AnsweringNoOnTheFirstRunOpensTheClassManagerNowAndLater) {
    dialogs.expect_message_starting(QStringLiteral("Would you like to password protect"),
                                    ui::Answer::no);
    start_program();
    dialogs.verify();
    EXPECT_EQ("zxqv\r\n", read_file("qmk.dat"));
    delete shown_window(QStringLiteral("Form4"));

    start_program();
    EXPECT_NE(nullptr, shown_window(QStringLiteral("Form4")));
    EXPECT_EQ(nullptr, shown_window(QStringLiteral("Form7")));
}

TEST_F(ProgramStartTest, AnEmptyPasswordShowsTheLogOnWindowWhichAnEmptyEntryOpens) {
    dialogs
        .expect_message_starting(QStringLiteral("Would you like to password protect"),
                                 ui::Answer::yes)
        .expect_input(QStringLiteral("Please enter a password:"), QString{})
        .expect_input(QStringLiteral("Please re-enter your password for confirmation:"), QString{})
        .expect_message(QStringLiteral("Password set successfully."));
    start_program();
    EXPECT_EQ("\r\n", read_file("qmk.dat"));
    QWidget* logon = shown_window(QStringLiteral("Form7"));
    ASSERT_NE(nullptr, logon);
    EXPECT_TRUE(logon->findChild<QWidget*>(QStringLiteral("Image2"))->isVisible());
    EXPECT_EQ(nullptr, shown_window(QStringLiteral("Form4")));

    testing::enter_password(*logon, QString{});
    EXPECT_NE(nullptr, shown_window(QStringLiteral("Form4")));
    EXPECT_EQ(nullptr, shown_window(QStringLiteral("Form7")));
    EXPECT_TRUE(file_exists("qmk.els"));
}

} // namespace
} // namespace quillmark
