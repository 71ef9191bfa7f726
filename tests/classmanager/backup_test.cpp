#include "classmanager/backup.h"
#include "classmanager/class_files.h"
#include "classmanager/removable_drive.h"
#include "support/class_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace quillmark {
namespace {

using Names = std::vector<std::string>;

Names files_in(const std::filesystem::path& folder) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator{folder}) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

class BackupTest : public testing::ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        drive_ = folder() / "drive";
        std::filesystem::create_directory(drive_);
    }

    void write_on_drive(const std::string& name, std::string_view bytes) const {
        std::ofstream{drive_ / name, std::ios::binary} << bytes;
    }
    std::string read_on_drive(const std::string& name) const {
        std::ifstream in{drive_ / name, std::ios::binary};
        return {std::istreambuf_iterator<char>{in}, std::istreambuf_iterator<char>{}};
    }
    Names on_drive() const { return files_in(drive_); }

    std::filesystem::path drive_;
};

TEST_F(BackupTest, ClassesTravelWithTheirChartsAndReplaceFilesOfTheirName) {
    write_file("Algebra.cls", "algebra");
    write_file("Algebra.chart", "algebra desks");
    write_file("Period 1.web", "period one");
    write_file("Period 1.chart", "period one desks");
    write_file("Zoology.cls", "zoology, no chart");
    write_file("qmk.dat", "secret\r\n");
    write_file("qmk.els", "failed\r\n");
    write_on_drive("Algebra.cls", "older algebra");

    ASSERT_TRUE(backup_classes(list_class_files(folder()), drive_));
    EXPECT_EQ(
        (Names{"Algebra.chart", "Algebra.cls", "Period 1.chart", "Period 1.web", "Zoology.cls"}),
        on_drive());
    EXPECT_EQ("algebra", read_on_drive("Algebra.cls"));
    EXPECT_EQ("period one desks", read_on_drive("Period 1.chart"));

    // Back the other way, over changed files, with a new class that exists only on the disk.
    write_on_drive("Biology.cls", "biology");
    write_on_drive("Algebra.chart", "restored desks");
    write_file("Algebra.cls", "changed since");
    ASSERT_TRUE(restore_classes(list_class_files(drive_), drive_));
    EXPECT_EQ("algebra", read_file("Algebra.cls"));
    EXPECT_EQ("restored desks", read_file("Algebra.chart"));
    EXPECT_EQ("biology", read_file("Biology.cls"));
    EXPECT_EQ("secret\r\n", read_file("qmk.dat"));
    EXPECT_FALSE(std::filesystem::exists(drive_ / "qmk.dat"));
    EXPECT_FALSE(std::filesystem::exists(drive_ / "qmk.els"));
}

TEST_F(BackupTest, AFailedCopyStopsWithItsNameAndReasonAndKeepsEarlierCopies) {
    write_file("A.cls", "a");
    write_file("A.chart", "a desks");
    write_file("B.cls", "b");
    write_file("C.cls", "c");
    write_on_drive("B.cls", "protected");
    std::filesystem::permissions(drive_ / "B.cls", std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::group_read);

    EXPECT_EQ("Backup stopped: could not copy \"B.cls\": the file is read-only.",
              backup_classes(list_class_files(folder()), drive_).message());
    EXPECT_EQ((Names{"A.chart", "A.cls", "B.cls"}), on_drive());
    EXPECT_EQ("protected", read_on_drive("B.cls"));

    // A folder where the copy should go, and a class gone from the disk since it was listed.
    std::filesystem::create_directory(folder() / "D.cls");
    write_on_drive("D.cls", "d");
    EXPECT_EQ("Restore stopped: could not copy \"D.cls\": Is a directory.",
              restore_classes({"A.cls", "D.cls"}, drive_).message());
    EXPECT_EQ("Restore stopped: could not copy \"Gone.cls\": No such file or directory.",
              restore_classes({"Gone.cls"}, drive_).message());
    EXPECT_EQ("a", read_file("A.cls"));
    // No temporary file is left behind on either side.
    EXPECT_EQ((Names{"A.chart", "A.cls", "B.cls", "C.cls", "D.cls", "drive"}), files_in(folder()));
    EXPECT_EQ((Names{"A.chart", "A.cls", "B.cls", "D.cls"}), on_drive());
}

TEST_F(BackupTest, NamesThatWouldLeaveTheFolderAreNeverUsed) {
    write_file("A.cls", "a");
    std::filesystem::create_directory(drive_ / "sub");
    for (const std::string name : {"../A.cls", "sub/A.cls", "..", ""}) {
        EXPECT_EQ("Backup stopped: could not copy \"" + name +
                      "\": the name is no plain file name.",
                  backup_classes({name}, drive_ / "sub").message());
    }
    EXPECT_TRUE(std::filesystem::is_empty(drive_ / "sub"));
}

TEST(RemovableDrive, FirstMediumMountedDirectlyInAMediaFolder) {
    const auto media = std::filesystem::temp_directory_path() / "quillmark-media-test";
    std::filesystem::create_directories(media / "teacher" / "MY STICK");
    std::filesystem::create_directories(media / "teacher" / "deep" / "inside");
    std::filesystem::create_directories(media / "run" / "teacher" / "CARD");
    std::istringstream table{"/dev/sda2 / ext4 rw 0 0\n"
                             "/dev/sdc1 " +
                             (media / "teacher" / "deep" / "inside").string() + " vfat rw 0 0\n" +
                             "/dev/sdd1 " + (media / "teacher" / "GONE").string() +
                             " vfat rw 0 0\n" + "/dev/sdb1 " + (media / "teacher").string() +
                             "/MY\\040STICK vfat rw 0 0\n" + "/dev/sde1 " +
                             (media / "run" / "teacher" / "CARD").string() + " vfat rw 0 0\n"};
    EXPECT_EQ(media / "teacher" / "MY STICK",
              first_mounted_medium(table, {media / "run" / "teacher", media / "teacher"}));

    std::istringstream nothing_mounted{"/dev/sda2 / ext4 rw 0 0\n"};
    EXPECT_EQ(std::nullopt, first_mounted_medium(nothing_mounted, {media / "teacher"}));

    // The folder a teacher names stands for the disk, but only while it is there.
    ::setenv("QUILLMARK_BACKUP_DIR", (media / "run").c_str(), 1);
    EXPECT_EQ(media / "run", backup_drive());
    ::setenv("QUILLMARK_BACKUP_DIR", (media / "absent").c_str(), 1);
    EXPECT_EQ(std::nullopt, backup_drive());
    ::unsetenv("QUILLMARK_BACKUP_DIR");
    std::filesystem::remove_all(media);
}

} // namespace
} // namespace quillmark
