#include "access/password_setup.h"
#include "access_fixture.h"
#include "classdata/class_data.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using PasswordSetupTest = testing::AccessFixture;

const QString question = QStringLiteral("Would you like to password protect your class data? If "
                                        "you choose 'No', you may enable this feature at a later "
                                        "time.");
const QString first_prompt = QStringLiteral("Please enter a password:");
const QString second_prompt = QStringLiteral("Please re-enter your password for confirmation:");

TEST_F(PasswordSetupTest, DifferentAnswersAskForBothAgainUntilTheyMatch) {
    dialogs.expect_message(question, ui::Answer::yes, ui::Icon::none)
        .expect_input(first_prompt, QStringLiteral("one"), QString{})
        .expect_input(second_prompt, QStringLiteral("two"), QString{})
        .expect_message(QStringLiteral("Passwords do not match!"), ui::Answer::ok, ui::Icon::error)
        .expect_input(first_prompt, QStringLiteral("Secret"))
        .expect_input(second_prompt, QStringLiteral("Secret"))
        .expect_message(QStringLiteral("Password set successfully."), ui::Answer::ok,
                        ui::Icon::information);
    password_setup();
    EXPECT_EQ("Secret", password);
    EXPECT_EQ("Secret\r\n", read_file("qmk.dat"));
    EXPECT_EQ(0600U, permissions("qmk.dat"));
}

TEST_F(PasswordSetupTest, ChangingAsksAgainWithoutTheOldPassword) {
    write_file("qmk.dat", "Old\r\n");
    dialogs.expect_message(question, ui::Answer::no);
    change_password();
    EXPECT_EQ(no_password, password);
    EXPECT_EQ("zxqv\r\n", read_file("qmk.dat"));
}

TEST_F(PasswordSetupTest, AFileThatCannotBeWrittenIsReportedAndThePasswordHoldsForTheRun) {
    std::filesystem::create_directory(folder() / "qmk.dat");
    dialogs.expect_message(question, ui::Answer::yes)
        .expect_input(first_prompt, QStringLiteral("Secret"))
        .expect_input(second_prompt, QStringLiteral("Secret"))
        .expect_message_starting(QStringLiteral("Could not save \"qmk.dat\": "), ui::Answer::ok,
                                 ui::Icon::error);
    password_setup();
    EXPECT_EQ("Secret", password);
}

} // namespace
} // namespace quillmark
