#include "access/password_check.h"
#include "access/password_file.h"
#include "classdata/class_data.h"
#include "support/class_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using PasswordCheckTest = testing::ClassFixture;

TEST_F(PasswordCheckTest, TheFileKeepsASaltedHashThatOnlyTheExactPasswordMatches) {
    ASSERT_TRUE(set_password("Secret"));
    const std::string stored = read_file("qmk.dat");
    EXPECT_EQ(password + "\r\n", stored);
    EXPECT_TRUE(stored.starts_with("$argon2id$")) << stored;
    EXPECT_EQ(std::string::npos, stored.find("Secret"));
    EXPECT_EQ(fs::perms{0600}, fs::status(folder() / "qmk.dat").permissions());
    EXPECT_EQ(password, read_password_file().line);

    EXPECT_TRUE(log_on("Secret"));
    EXPECT_FALSE(log_on("secret"));
    // Each hash has its own salt, so equal passwords do not show as equal lines.
    EXPECT_NE(password_line("Secret"), password_line("Secret"));

    // The no-password mark stays readable as such.
    ASSERT_TRUE(set_password(no_password));
    EXPECT_EQ("zxqv\r\n", read_file("qmk.dat"));
    EXPECT_EQ(no_password, password);
}

TEST_F(PasswordCheckTest, APlainPasswordFromBeforeIsHashedAtTheNextRightLogOn) {
    write_file("qmk.dat", "Secret\r\n");
    fs::permissions(folder() / "qmk.dat", fs::perms{0644});
    password = *read_password_file().line;
    EXPECT_FALSE(log_on("secret"));
    EXPECT_EQ("Secret\r\n", read_file("qmk.dat"));

    EXPECT_TRUE(log_on("Secret"));
    const std::string stored = read_file("qmk.dat");
    EXPECT_TRUE(stored.starts_with("$argon2id$")) << stored;
    EXPECT_EQ(password + "\r\n", stored);
    EXPECT_EQ(fs::perms{0600}, fs::status(folder() / "qmk.dat").permissions());
    EXPECT_TRUE(log_on("Secret"));
    EXPECT_FALSE(log_on(stored.substr(0, stored.size() - 2)));
}

TEST_F(PasswordCheckTest, APasswordFileLargerThanAnyIsRefusedUnread) {
    const std::string line = "Secret\r\n";
    write_file("qmk.dat", line + std::string(max_password_file_size - line.size(), 'x'));
    const StoredPassword full = read_password_file();
    EXPECT_TRUE(full.read);
    EXPECT_EQ("Secret", full.line);

    write_file("qmk.dat", line + std::string(max_password_file_size - line.size() + 1, 'x'));
    const StoredPassword larger = read_password_file();
    EXPECT_EQ(std::nullopt, larger.line);
    EXPECT_EQ("The password file \"qmk.dat\" holds more than 4096 bytes, more than any password "
              "file, so Quillmark leaves it unread. Delete it to choose a password again.",
              larger.read.message());
}

} // namespace
} // namespace quillmark
