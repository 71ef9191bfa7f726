#include "classdata/atomic_file.h"
#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/disk_calls.h"
#include "classdata/shared_class_file.h"
#include "classmanager/backup.h"
#include "classmanager/class_files.h"
#include "classmanager/open_class.h"
#include "classmanager/removable_drive.h"
#include "support/class_fixture.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using ClassFilesTest = testing::ClassFixture;
using Names = std::vector<std::string>;

Names files_in(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator{folder}) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

TEST_F(ClassFilesTest, ListsClassFilesOnlyInCaseInsensitiveOrder) {
    for (const char* name :
         {"b.cls", "Zeta.cls", "A.CLS", "c.Web", "a.web", "B.cls", "notes.txt", "Period 1.cls.bak",
          ".Period 1.cls.Xy12Ab.tmp", "\xC3\x89mile.cls", "\xE6\x97\xA5.cls"}) {
        write_file(name, "");
    }
    fs::create_directory(folder() / "Folder.cls");
    ASSERT_TRUE(create_class_file(folder(), "\x80"));

    // "€" and "É" are Windows-1252 0x80 and 0xC9, after every ASCII letter; the Japanese name
    // has no spelling.
    EXPECT_EQ((Names{"A.CLS", "a.web", "B.cls", "b.cls", "c.Web", "Zeta.cls", "\x80.cls",
                     "\xC9mile.cls"}),
              list_class_files(folder()));
    EXPECT_TRUE(fs::exists(folder() / "\xE2\x82\xAC.cls"));
    EXPECT_EQ(Names{}, list_class_files(folder() / "missing"));
}

TEST_F(ClassFilesTest, UnsafeNamesAreRefusedAndACaseChangeIsNoClash) {
    write_file("Period 1.cls", "kept");
    for (const std::string& name : Names{"a/b", "..\\x", ".", "..", "   ", ".cls", " .web",
                                         "tab\there", std::string{"nul\0x", 5}}) {
        const std::string expected = "\"" + name + "\" cannot be used as a class name.";
        EXPECT_EQ(expected, create_class_file(folder(), name).message());
        EXPECT_EQ(expected, rename_class_file(folder(), "Period 1.cls", name).message());
    }
    ASSERT_TRUE(rename_class_file(folder(), "Period 1.cls", "  PERIOD 1  "));
    EXPECT_EQ((Names{"PERIOD 1.cls"}), files_in(folder()));
    EXPECT_EQ("kept", read_file("PERIOD 1.cls"));
}

TEST_F(ClassFilesTest, AnOpenedClassIsTheBaseOfTheNextSaveAndANewClassHasNone) {
    students[0].id_number = "1001";
    ASSERT_TRUE(save_class(folder() / "Algebra.cls"));
    write_file("New.cls", "");
    ASSERT_TRUE(open_class("Algebra.cls"));
    EXPECT_EQ(read_file("Algebra.cls"), class_file_base);
    ASSERT_TRUE(open_class("New.cls"));
    EXPECT_EQ("", class_file_base);
}

TEST_F(ClassFilesTest, AnExportMayNotReplaceAFileOfTheProgramFolder) {
    write_file("Period 3.cls", "");
    fs::create_directories(folder() / "out");
    fs::create_symlink(folder() / "Period 3.cls", folder() / "out" / "link.csv");
    fs::create_symlink(folder(), folder() / "out" / "alias");
    fs::create_symlink(folder() / "out" / "grades.csv", folder() / "linked.web");
    const std::vector<std::pair<fs::path, bool>> cases{
        {"Period 3.cls", true},
        {"New.CLS", true},
        {"a.web", true},
        {"Period 3.chart", true},
        {"Period 3.categories", true},
        {"a.web.categories", true},
        {"qmk.dat", true},
        {"qmk.els", true},
        {"QMK.DAT", false},
        {"Period 3 - Grades.csv", false},
        {"out/Period 3.cls", false},
        {"out/../Period 3.cls", true},
        {"out/link.csv", true},
        {"out/alias/qmk.els", true},
        {"linked.web", true},
        {"out/grades.csv", false},
    };
    for (const auto& [name, own] : cases) {
        EXPECT_EQ(!own, static_cast<bool>(check_export_file(folder() / name))) << name;
    }
    EXPECT_EQ("\"link.csv\" is one of Quillmark's own files; export the grades to another file.",
              check_export_file(folder() / "out" / "link.csv").message());
}

TEST_F(ClassFilesTest, ChartsGoWithTheirClassesButAreNeverReplacedNorTakenFromAnother) {
    write_file("Period 1.cls", "class");
    write_file("Period 1.chart", "chart");
    ASSERT_TRUE(rename_class_file(folder(), "Period 1.cls", "Algebra"));
    EXPECT_EQ((Names{"Algebra.chart", "Algebra.cls"}), files_in(folder()));
    EXPECT_EQ("chart", read_file("Algebra.chart"));

    // A chart a restore left without its class, in any letter case.
    write_file("geometry.chart", "other desks");
    for (const char* name : {"Geometry", "GEOMETRY.cls"}) {
        EXPECT_EQ("A seating chart named \"" + std::string{name}.substr(0, 8) +
                      ".chart\" already exists; the class was not renamed.",
                  rename_class_file(folder(), "Algebra.cls", name).message());
    }
    EXPECT_EQ((Names{"Algebra.chart", "Algebra.cls", "geometry.chart"}), files_in(folder()));
    EXPECT_EQ("other desks", read_file("geometry.chart"));

    // "Algebra.web" shares the chart: a renamed or deleted sibling leaves it there.
    write_file("Algebra.web", "web");
    ASSERT_TRUE(rename_class_file(folder(), "Algebra.cls", "Calculus"));
    EXPECT_EQ("chart", read_file("Calculus.chart"));
    ASSERT_TRUE(rename_class_file(folder(), "Algebra.web", "Algebra"));
    EXPECT_EQ("chart", read_file("Algebra.chart"));
    write_file("Calculus.web", "web");
    ASSERT_TRUE(delete_class_file(folder(), "Calculus.cls"));
    EXPECT_EQ("chart", read_file("Calculus.chart"));
    ASSERT_TRUE(delete_class_file(folder(), "Calculus.web"));
    ASSERT_TRUE(delete_class_file(folder(), "Algebra.cls"));
    EXPECT_EQ((Names{"geometry.chart"}), files_in(folder()));

    // A chart that cannot go along keeps the class under its old name.
    write_file("Art.cls", "art");
    write_file("Art.web", "art");
    fs::create_directories(folder() / "Art.chart" / "inside");
    EXPECT_TRUE(rename_class_file(folder(), "Art.cls", "Music")
                    .message()
                    .starts_with("Could not rename \"Art.chart\": "));
    EXPECT_EQ((Names{"Art.chart", "Art.cls", "Art.web", "geometry.chart"}), files_in(folder()));
}

TEST_F(ClassFilesTest, ACopyThatFailsStopsTheRestoreAndLeavesNoTemporaryFile) {
    const fs::path drive = folder() / "drive";
    fs::create_directory(drive);
    for (const char* name : {"A.cls", "D.cls", "E.cls"}) {
        std::ofstream{drive / name} << "disk";
    }
    write_file("A.cls", "a");
    fs::create_directory(folder() / "D.cls");
    EXPECT_EQ("Restore stopped: could not copy \"D.cls\": Is a directory.",
              restore_classes({"A.cls", "D.cls", "E.cls"}, drive).message());
    EXPECT_EQ("Restore stopped: could not copy \"Gone.cls\": No such file or directory.",
              restore_classes({"Gone.cls"}, drive).message());
    EXPECT_EQ("disk", read_file("A.cls"));
    EXPECT_EQ((Names{"A.cls", "D.cls", "drive"}), files_in(folder()));
    const std::string long_name = std::string(40, 'L') + std::string(40, 'R') + ".cls";
    EXPECT_EQ("Restore stopped: could not copy \"" + std::string(30, 'L') + "\x85" +
                  std::string(25, 'R') + ".cls\": No such file or directory.",
              restore_classes({long_name}, drive).message());

    fs::create_directory(drive / "sub");
    for (const std::string name : {"../A.cls", "sub/A.cls", "..", ""}) {
        EXPECT_EQ("Backup stopped: could not copy \"" + name +
                      "\": the name is no plain file name.",
                  backup_classes({name}, drive / "sub").message());
    }
    EXPECT_TRUE(fs::is_empty(drive / "sub"));
}

// Runs the action with a file size limit that stands in for a full disk, and bites even for root.
template <typename Action> auto with_file_size_limit(rlim_t bytes, Action action) {
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    rlimit small = original;
    small.rlim_cur = bytes;
    const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    auto result = action();
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previous_handler);
    return result;
}

TEST_F(ClassFilesTest, ACopyCutShortLeavesTheOldFileByteForByte) {
    const fs::path drive = folder() / "drive";
    fs::create_directory(drive);
    const std::string large(4096, 'n');
    std::ofstream{drive / "A.cls"} << large;
    write_file("A.cls", "old class\r\n");
    write_file("B.cls", large);
    std::ofstream{drive / "B.cls"} << "old backup\r\n";

    EXPECT_EQ(
        "Restore stopped: could not copy \"A.cls\": File too large.",
        with_file_size_limit(512, [&] { return restore_classes({"A.cls"}, drive); }).message());
    EXPECT_EQ(
        "Backup stopped: could not copy \"B.cls\": File too large.",
        with_file_size_limit(512, [&] { return backup_classes({"B.cls"}, drive); }).message());
    EXPECT_EQ("old class\r\n", read_file("A.cls"));
    EXPECT_EQ("old backup\r\n", read_file("drive/B.cls"));
    EXPECT_EQ((Names{"A.cls", "B.cls", "drive"}), files_in(folder()));
    EXPECT_EQ((Names{"A.cls", "B.cls"}), files_in(drive));
}

// Records the calls that make a file last, and fails the one named.
class RecordingDisk : public DiskCalls {
public:
    explicit RecordingDisk(std::string failing = {})
        : failing_{std::move(failing)}
        , previous_{set_disk_calls(this)} {}
    ~RecordingDisk() override { set_disk_calls(previous_); }
    RecordingDisk(const RecordingDisk&) = delete;
    RecordingDisk& operator=(const RecordingDisk&) = delete;

    int write(int descriptor, std::string_view bytes) override {
        return step("write", [&] { return DiskCalls::write(descriptor, bytes); });
    }
    int flush_file(int descriptor) override {
        return step("flush", [&] { return DiskCalls::flush_file(descriptor); });
    }
    int rename(const fs::path& from, const fs::path& to) override {
        return step("rename to " + to.filename().string(),
                    [&] { return DiskCalls::rename(from, to); });
    }
    int flush_folder(const fs::path& folder) override {
        return step("flush " + folder.filename().string(),
                    [&] { return DiskCalls::flush_folder(folder); });
    }

    Names steps;

private:
    template <typename Call> int step(std::string name, Call call) {
        const bool fails = name == failing_;
        steps.push_back(std::move(name));
        return fails ? EIO : call();
    }

    std::string failing_;
    DiskCalls* previous_;
};

TEST_F(ClassFilesTest, EveryCopyAndSaveIsFlushedThenRenamedThenItsFolderFlushed) {
    const fs::path drive = folder() / "drive";
    fs::create_directory(drive);
    write_file("A.cls", "a");
    write_file("A.chart", "desks");
    const std::string program = folder().filename().string();
    const auto steps_into = [](const std::string& file, const std::string& folder_name) {
        return Names{"write", "flush", "rename to " + file, "flush " + folder_name};
    };
    const auto joined = [](Names first, const Names& second) {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    };
    {
        RecordingDisk disk;
        ASSERT_TRUE(backup_classes({"A.cls"}, drive));
        EXPECT_EQ(joined(steps_into("A.cls", "drive"), steps_into("A.chart", "drive")), disk.steps);
    }
    {
        RecordingDisk disk;
        ASSERT_TRUE(restore_classes({"A.cls"}, drive));
        EXPECT_EQ(joined(steps_into("A.cls", program), steps_into("A.chart", program)), disk.steps);
    }
    {
        RecordingDisk disk;
        ASSERT_TRUE(save_class(folder() / "B.cls"));
        EXPECT_EQ(steps_into("B.cls", program), disk.steps);
    }

    // A flush that fails is a copy that failed; an unflushed file is never renamed into place.
    {
        RecordingDisk disk{"flush drive"};
        EXPECT_EQ("Backup stopped: could not copy \"A.cls\": Input/output error.",
                  backup_classes({"A.cls"}, drive).message());
    }
    write_file("A.cls", "a, later");
    for (const char* failing : {"flush", "write"}) {
        RecordingDisk disk{failing};
        EXPECT_EQ("Backup stopped: could not copy \"A.cls\": Input/output error.",
                  backup_classes({"A.cls"}, drive).message());
        EXPECT_EQ("a", read_file("drive/A.cls"));
        EXPECT_EQ((Names{"A.chart", "A.cls"}), files_in(drive));
        RecordingDisk save_disk{failing};
        EXPECT_EQ("Could not save \"A.cls\": Input/output error.",
                  save_class(folder() / "A.cls").message());
        EXPECT_EQ("a, later", read_file("A.cls"));
    }
    {
        RecordingDisk disk{"flush " + program};
        EXPECT_EQ("Restore stopped: could not copy \"A.cls\": Input/output error.",
                  restore_classes({"A.cls"}, drive).message());
    }
}

TEST(RemovableDrive, TheFirstMediumOrNamedFolderApartFromTheClassesOrWhyNone) {
    const auto media = fs::temp_directory_path() / "quillmark-media-test";
    for (const char* inside :
         {"teacher/MY STICK/Classes", "teacher/deep/inside", "run/teacher/CARD", "runner"}) {
        fs::create_directories(media / inside);
    }
    const fs::path stick = media / "teacher" / "MY STICK";
    const fs::path card = media / "run" / "teacher" / "CARD";
    std::istringstream table{"/dev/sda2 / ext4 rw 0 0\n/dev/sdc1 " + media.string() +
                             "/teacher/deep/inside vfat rw 0 0\n/dev/sdd1 " + media.string() +
                             "/teacher/GONE vfat rw 0 0\n/dev/sdb1 " + media.string() +
                             "/teacher/MY\\040STICK vfat rw 0 0\n/dev/sde1 " + media.string() +
                             "/run/teacher/CARD vfat rw 0 0\n"};
    EXPECT_EQ((std::vector{stick, card}),
              mounted_media(table, {media / "run" / "teacher", media / "teacher"}));

    const std::string no_disk =
        "No removable disk was found. Insert a USB stick or a floppy disk and try again.";
    const std::string holds_the_classes =
        "The backup disk holds the classes themselves, so a backup there would copy nothing. "
        "Insert another removable disk.";
    // A teacher who runs the program from the stick backs up to the next medium.
    EXPECT_EQ(card, first_medium_apart_from({stick, card}, stick / "Classes").folder);
    EXPECT_EQ(stick, first_medium_apart_from({stick, card}, media / "runner").folder);
    EXPECT_EQ(holds_the_classes, first_medium_apart_from({stick}, stick / "Classes").refusal);
    EXPECT_FALSE(first_medium_apart_from({stick}, stick));
    EXPECT_EQ(no_disk, first_medium_apart_from({}, stick).refusal);

    // The folder a teacher names stands for the disk while it is there and apart from the
    // classes, which it may hold.
    const auto named = [](const fs::path& folder, const fs::path& classes) {
        ::setenv("QUILLMARK_BACKUP_DIR", folder.c_str(), 1);
        return backup_drive(classes);
    };
    EXPECT_EQ(media / "runner", named(media / "runner", media / "run").folder);
    EXPECT_EQ(stick, named(stick, stick / "Classes").folder);
    fs::create_directory_symlink(media / "teacher", media / "link");
    for (const fs::path& inside : {stick / "Classes", media / "link" / "MY STICK" / "Classes" / "",
                                   stick / "Classes" / "Backups"}) {
        fs::create_directories(inside);
        EXPECT_EQ(holds_the_classes, named(inside, stick / "Classes").refusal) << inside;
    }
    const BackupDrive absent = named(media / "absent", stick);
    EXPECT_FALSE(absent);
    EXPECT_EQ("The backup folder \"" + (media / "absent").string() +
                  "\" named by QUILLMARK_BACKUP_DIR does not exist.",
              absent.refusal);
    ::unsetenv("QUILLMARK_BACKUP_DIR");
    fs::remove_all(media);
}

TEST_F(ClassFilesTest, RenameDeleteBackupAndRestoreCarryTheCategories) {
    write_file("Period 1.cls", "class");
    write_file("Period 1.chart", "chart");
    write_file("Period 1.categories", "categories");
    ASSERT_TRUE(rename_class_file(folder(), "Period 1.cls", "Algebra"));
    EXPECT_EQ((Names{"Algebra.categories", "Algebra.chart", "Algebra.cls"}), files_in(folder()));
    EXPECT_EQ("categories", read_file("Algebra.categories"));

    // Categories are never replaced: the class and its chart keep their old names.
    write_file("Geometry.categories", "other");
    EXPECT_EQ("A categories file named \"Geometry.categories\" already exists; the class was not "
              "renamed.",
              rename_class_file(folder(), "Algebra.cls", "Geometry").message());
    EXPECT_EQ("other", read_file("Geometry.categories"));
    fs::remove(folder() / "Geometry.categories");
    EXPECT_EQ((Names{"Algebra.categories", "Algebra.chart", "Algebra.cls"}), files_in(folder()));

    const fs::path drive = folder() / "drive";
    fs::create_directory(drive);
    ASSERT_TRUE(backup_classes({"Algebra.cls"}, drive));
    EXPECT_EQ((Names{"Algebra.categories", "Algebra.chart", "Algebra.cls"}), files_in(drive));

    ASSERT_TRUE(delete_class_file(folder(), "Algebra.cls"));
    EXPECT_EQ((Names{"drive"}), files_in(folder()));

    ASSERT_TRUE(restore_classes({"Algebra.cls"}, drive));
    EXPECT_EQ("categories", read_file("Algebra.categories"));

    // "Algebra.web" shares the chart but has categories of its own, which go with it alone.
    write_file("Algebra.web", "web");
    write_file("Algebra.web.categories", "web categories");
    fs::remove_all(drive);
    fs::create_directory(drive);
    ASSERT_TRUE(backup_classes({"Algebra.web"}, drive));
    EXPECT_EQ((Names{"Algebra.chart", "Algebra.web", "Algebra.web.categories"}), files_in(drive));
    ASSERT_TRUE(rename_class_file(folder(), "Algebra.web", "Biology"));
    EXPECT_EQ("web categories", read_file("Biology.categories"));
    ASSERT_TRUE(restore_classes({"Algebra.web"}, drive));
    ASSERT_TRUE(delete_class_file(folder(), "Algebra.web"));
    EXPECT_EQ((Names{"Algebra.categories", "Algebra.chart", "Algebra.cls", "Biology.categories",
                     "Biology.chart", "Biology.cls", "drive"}),
              files_in(folder()));
    EXPECT_EQ("categories", read_file("Algebra.categories"));
}

} // namespace
} // namespace quillmark
