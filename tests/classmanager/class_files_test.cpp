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
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using ClassFilesTest = testing::ClassFixture;
using Names = std::vector<std::string>;

// Every entry under the folder but the backup "drive" itself, sorted: a folder as "path/", a
// file as "path" when it holds its own path (as put_entries writes it), else "path<what it holds".
Names entries(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::recursive_directory_iterator{folder}) {
        const std::string path = fs::relative(entry.path(), folder).string();
        if (entry.is_directory()) {
            if (path != "drive") {
                names.push_back(path + "/");
            }
            continue;
        }
        std::ifstream in{entry.path(), std::ios::binary};
        const std::string bytes{std::istreambuf_iterator<char>{in}, {}};
        names.push_back(bytes == path ? path : path + "<" + bytes);
    }
    std::ranges::sort(names);
    return names;
}

Names words(const std::string& text) {
    std::istringstream in{text};
    Names all{std::istream_iterator<std::string>{in}, {}};
    std::ranges::sort(all);
    return all;
}

// Empties the folder but for an empty "drive", then makes the entries named as entries() shows
// them, each file holding its own path.
void put_entries(const fs::path& folder, const std::string& names) {
    for (const auto& entry : fs::directory_iterator{folder}) {
        fs::remove_all(entry.path());
    }
    fs::create_directory(folder / "drive");
    for (const std::string& name : words(names)) {
        if (name.ends_with('/')) {
            fs::create_directories(folder / name);
        } else {
            std::ofstream{folder / name, std::ios::binary} << name;
        }
    }
}

// "rename FILE NEW", "delete FILE", "save FILE", or "backup"/"restore" FILE... with "drive".
Result operate(const fs::path& folder, const std::string& operation) {
    std::istringstream words{operation};
    std::string verb;
    words >> verb;
    const Names names{std::istream_iterator<std::string>{words}, {}};
    if (verb == "rename") {
        return rename_class_file(folder, names[0], names[1]);
    }
    if (verb == "delete") {
        return delete_class_file(folder, names[0]);
    }
    if (verb == "save") {
        return save_class(folder / names[0]);
    }
    return (verb == "backup" ? backup_classes : restore_classes)(names, folder / "drive");
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

TEST_F(ClassFilesTest, UnsafeNamesAndOtherClassesNamesAreRefusedButACaseChangeIsNoClash) {
    put_entries(folder(), "Algebra.web");
    write_file("Period 1.cls", "Period 1.cls");
    for (const std::string& name : Names{"a/b", "..\\x", ".", "..", "   ", ".cls", " .web",
                                         "tab\there", std::string{"nul\0x", 5}}) {
        const std::string expected = "\"" + name + "\" cannot be used as a class name.";
        EXPECT_EQ(expected, create_class_file(folder(), name).message());
        EXPECT_EQ(expected, rename_class_file(folder(), "Period 1.cls", name).message());
    }
    const std::string clash = "A class named \"period 1\" already exists.";
    EXPECT_EQ(clash, create_class_file(folder(), "period 1").message());
    EXPECT_EQ(clash, rename_class_file(folder(), "Algebra.web", "period 1").message());
    ASSERT_TRUE(rename_class_file(folder(), "Period 1.cls", "  PERIOD 1  "));
    EXPECT_EQ((Names{"Algebra.web", "PERIOD 1.cls<Period 1.cls"}), entries(folder()));
}

TEST_F(ClassFilesTest, AnOpenedClassIsTheBaseOfTheNextSaveAndANewClassOpensEmptyWithNone) {
    // The sample class that comes with the program.
    fs::copy_file(SAMPLE_CLASS_PATH, folder() / "Sample.cls");
    write_file("New.cls", "");
    ASSERT_TRUE(open_class("Sample.cls"));
    EXPECT_EQ(read_file("Sample.cls"), class_file_base);
    EXPECT_EQ("Ms. R. Alvarez", instructor);
    EXPECT_EQ("Maya", students[0].first_name);
    asg_points[0] = 5;
    ASSERT_TRUE(open_class("New.cls"));
    EXPECT_EQ("", class_file_base);
    EXPECT_EQ("", students[0].first_name);
    EXPECT_EQ(100, asg_points[0]);
}

TEST_F(ClassFilesTest, AnExportMayNotReplaceAFileOfTheProgramFolder) {
    write_file("Period 3.cls", "");
    fs::create_directories(folder() / "out");
    fs::create_symlink(folder() / "Period 3.cls", folder() / "out" / "link.csv");
    fs::create_symlink(folder(), folder() / "out" / "alias");
    fs::create_symlink(folder() / "out" / "grades.csv", folder() / "linked.web");
    for (const char* own :
         {"Period 3.cls", "New.CLS", "a.web", "Period 3.chart", "Period 3.categories",
          "a.web.categories", "qmk.dat", "qmk.els", "out/../Period 3.cls", "out/link.csv",
          "out/alias/qmk.els", "linked.web"}) {
        EXPECT_FALSE(check_export_file(folder() / own)) << own;
    }
    for (const char* other :
         {"QMK.DAT", "Period 3 - Grades.csv", "out/Period 3.cls", "out/grades.csv"}) {
        EXPECT_TRUE(check_export_file(folder() / other)) << other;
    }
    EXPECT_EQ("\"link.csv\" is one of Quillmark's own files; export the grades to another file.",
              check_export_file(folder() / "out" / "link.csv").message());
}

// The chart and the categories go along with their class; a ".web" class shares the chart of
// its ".cls" sibling but has categories of its own; no companion is ever replaced; a copy that
// fails stops the rest and leaves no temporary file.
TEST_F(ClassFilesTest, CompanionsGoWithTheirClassAndNothingIsReplaced) {
    const std::string lone = "A.categories A.chart A.cls";
    const std::string web = lone + " A.web A.web.categories";
    const std::string long_name = std::string(40, 'L') + std::string(40, 'R') + ".cls";
    struct Row {
        std::string before;
        std::string operation;
        std::string after;
        std::string refusal = "";
    };
    for (const Row& row : std::vector<Row>{
             {lone, "rename A.cls B", "B.categories<A.categories B.chart<A.chart B.cls<A.cls"},
             {lone, "delete A.cls", ""},
             {lone, "backup A.cls",
              lone + " drive/A.categories<A.categories drive/A.chart<A.chart drive/A.cls<A.cls"},
             {"A.cls drive/A.categories drive/A.chart drive/A.cls", "restore A.cls",
              "A.categories<drive/A.categories A.chart<drive/A.chart A.cls<drive/A.cls "
              "drive/A.categories drive/A.chart drive/A.cls"},
             {web, "rename A.cls B",
              "A.chart A.web A.web.categories B.categories<A.categories B.chart<A.chart "
              "B.cls<A.cls"},
             {web, "rename A.web B",
              "A.categories A.chart A.cls B.categories<A.web.categories B.chart<A.chart "
              "B.cls<A.web"},
             {web, "delete A.cls", "A.chart A.web A.web.categories"},
             {web, "delete A.web", lone},
             {web, "backup A.web",
              web + " drive/A.chart<A.chart drive/A.web<A.web "
                    "drive/A.web.categories<A.web.categories"},
             // A chart a restore left without its class, in any letter case.
             {"A.cls b.chart", "rename A.cls B", "A.cls b.chart",
              "A seating chart named \"B.chart\" already exists; the class was not renamed."},
             {"A.cls b.chart", "rename A.cls B.CLS", "A.cls b.chart",
              "A seating chart named \"B.chart\" already exists; the class was not renamed."},
             {"A.chart A.cls B.categories", "rename A.cls B", "A.chart A.cls B.categories",
              "A categories file named \"B.categories\" already exists; the class was not "
              "renamed."},
             {"A.chart/inside/ A.cls A.web", "rename A.cls B",
              "A.chart/ A.chart/inside/ A.cls A.web",
              "Could not rename \"A.chart\": Invalid argument."},
             {"A.cls D.cls/ drive/A.cls drive/D.cls drive/E.cls", "restore A.cls D.cls E.cls",
              "A.cls<drive/A.cls D.cls/ drive/A.cls drive/D.cls drive/E.cls",
              "Restore stopped: could not copy \"D.cls\": Is a directory."},
             {"", "restore Gone.cls", "",
              "Restore stopped: could not copy \"Gone.cls\": No such file or directory."},
             {"", "restore " + long_name, "",
              "Restore stopped: could not copy \"" + std::string(30, 'L') + "\x85" +
                  std::string(25, 'R') + ".cls\": No such file or directory."}}) {
        SCOPED_TRACE(row.operation + " in " + row.before);
        put_entries(folder(), row.before);
        EXPECT_EQ(row.refusal, operate(folder(), row.operation).message());
        EXPECT_EQ(words(row.after), entries(folder()));
    }

    fs::create_directories(folder() / "drive" / "sub");
    for (const std::string name : {"../A.cls", "sub/A.cls", "..", ""}) {
        EXPECT_EQ("Backup stopped: could not copy \"" + name +
                      "\": the name is no plain file name.",
                  backup_classes({name}, folder() / "drive" / "sub").message());
    }
    EXPECT_TRUE(fs::is_empty(folder() / "drive" / "sub"));
}

// Records the calls that make a file last, and fails the one named.
class RecordingDisk : public DiskCalls {
public:
    explicit RecordingDisk(std::string failing)
        : failing_{std::move(failing)}
        , previous_{set_disk_calls(this)} {}
    ~RecordingDisk() override { set_disk_calls(previous_); }

    int write(int descriptor, std::string_view bytes) override {
        return step("write", [&] { return DiskCalls::write(descriptor, bytes); });
    }
    int flush_file(int descriptor) override {
        return step("flush", [&] { return DiskCalls::flush_file(descriptor); });
    }
    int rename(const fs::path& from, const fs::path& to) override {
        return step("rename:" + to.filename().string(),
                    [&] { return DiskCalls::rename(from, to); });
    }
    int flush_folder(const fs::path& folder) override {
        return step("flush:" + folder.filename().string(),
                    [&] { return DiskCalls::flush_folder(folder); });
    }

    // Each call's name followed by a space.
    std::string steps;

private:
    template <typename Call> int step(const std::string& name, Call call) {
        steps += name + " ";
        return name == failing_ ? EIO : call();
    }

    std::string failing_;
    DiskCalls* previous_;
};

// A flush that fails is a copy that failed; an unflushed file is never renamed into place.
TEST_F(ClassFilesTest, EveryCopyAndSaveIsFlushedThenRenamedThenItsFolderFlushed) {
    put_entries(folder(), "A.chart A.cls drive/A.cls");
    const std::string program = folder().filename().string();
    const auto copy = [](const std::string& file, const std::string& into) {
        return "write flush rename:" + file + " flush:" + into + " ";
    };
    const std::string backup_failed =
        "Backup stopped: could not copy \"A.cls\": Input/output error.";
    const std::string save_failed = "Could not save \"A.cls\": Input/output error.";
    const std::string restore_failed =
        "Restore stopped: could not copy \"A.cls\": Input/output error.";
    struct Row {
        std::string failing;
        std::string operation;
        std::string refusal;
        std::string steps = "";
    };
    for (const Row& row : std::vector<Row>{
             {"write", "backup A.cls", backup_failed},
             {"flush", "backup A.cls", backup_failed},
             {"write", "save A.cls", save_failed},
             {"flush", "save A.cls", save_failed},
             {"flush:drive", "backup A.cls", backup_failed},
             {"write", "restore A.cls", restore_failed},
             {"flush:" + program, "restore A.cls", restore_failed},
             {"", "backup A.cls", "", copy("A.cls", "drive") + copy("A.chart", "drive")},
             {"", "restore A.cls", "", copy("A.cls", program) + copy("A.chart", program)},
             {"", "save B.cls", "", copy("B.cls", program)}}) {
        SCOPED_TRACE(row.failing + " in " + row.operation);
        const Names before = entries(folder());
        RecordingDisk disk{row.failing};
        EXPECT_EQ(row.refusal, operate(folder(), row.operation).message());
        if (row.refusal.empty()) {
            EXPECT_EQ(row.steps, disk.steps);
        } else if (row.failing == "write" || row.failing == "flush") {
            EXPECT_EQ(before, entries(folder()));
        }
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

} // namespace
} // namespace quillmark
