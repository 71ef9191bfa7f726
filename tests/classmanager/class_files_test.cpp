#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/disk_calls.h"
#include "classdata/shared_class_file.h"
#include "classmanager/backup.h"
#include "classmanager/class_files.h"
#include "classmanager/open_class.h"
#include "support/class_fixture.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using ClassFilesTest = testing::ClassFixture;
using Names = std::vector<std::string>;

// Every file under the folder, sorted, as "path" when it holds its own path, else as
// "path<what it holds".
Names entries(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::recursive_directory_iterator{folder}) {
        if (entry.is_directory()) {
            continue;
        }
        const std::string path = fs::relative(entry.path(), folder).string();
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

// Empties the folder but for an empty "drive", then makes the files, each holding its path.
void put_entries(const fs::path& folder, const std::string& names) {
    for (const auto& entry : fs::directory_iterator{folder}) {
        fs::remove_all(entry.path());
    }
    fs::create_directory(folder / "drive");
    for (const std::string& name : words(names)) {
        std::ofstream{folder / name, std::ios::binary} << name;
    }
}

// "rename FILE NEW", "delete FILE", or "backup"/"restore" FILE... with "drive".
Result operate(const fs::path& folder, const std::string& operation) {
    std::istringstream in{operation};
    const Names word{std::istream_iterator<std::string>{in}, {}};
    if (word[0] == "rename") {
        return rename_class_file(folder, word[1], word[2]);
    }
    if (word[0] == "delete") {
        return delete_class_file(folder, word[1]);
    }
    return (word[0] == "backup" ? backup_classes : restore_classes)({word.begin() + 1, word.end()},
                                                                    folder / "drive");
}

TEST_F(ClassFilesTest, AnOpenedClassIsTheBaseOfTheNextSaveAndANewClassHasNone) {
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
// its ".cls" sibling but has categories of its own; no companion is ever replaced; another
// class's name is refused, but a case change is no clash.
TEST_F(ClassFilesTest, CompanionsGoWithTheirClassAndNothingIsReplaced) {
    const std::string lone = "A.categories A.chart A.cls";
    const std::string web = lone + " A.web A.web.categories";
    struct Row {
        std::string before;
        std::string operation;
        std::string after;
        std::string refusal = "";
    };
    for (const Row& row : std::vector<Row>{
             {"A.web P.cls", "rename A.web p", "A.web P.cls",
              "A class named \"p\" already exists."},
             {"A.web P.cls", "rename P.cls p", "A.web p.cls<P.cls"},
             {lone, "rename A.cls B", "B.categories<A.categories B.chart<A.chart B.cls<A.cls"},
             {lone, "delete A.cls", ""},
             {lone, "backup A.cls",
              lone + " drive/A.categories<A.categories drive/A.chart<A.chart drive/A.cls<A.cls"},
             {"A.cls drive/A.categories drive/A.chart drive/A.cls", "restore A.cls",
              "A.categories<drive/A.categories A.chart<drive/A.chart A.cls<drive/A.cls "
              "drive/A.categories drive/A.chart drive/A.cls"},
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
              "A seating chart named \"B.chart\" already exists; the class was not renamed."}}) {
        SCOPED_TRACE(row.operation + " in " + row.before);
        put_entries(folder(), row.before);
        EXPECT_EQ(row.refusal, operate(folder(), row.operation).message());
        EXPECT_EQ(words(row.after), entries(folder()));
    }
}

class FlushRecorder : public DiskCalls {
public:
    FlushRecorder()
        : previous_{set_disk_calls(this)} {}
    ~FlushRecorder() override { set_disk_calls(previous_); }

    int flush_file(int descriptor) override {
        steps += "flush ";
        return DiskCalls::flush_file(descriptor);
    }
    int rename(const fs::path& from, const fs::path& to) override {
        steps += "rename:" + to.filename().string() + " ";
        return DiskCalls::rename(from, to);
    }

    std::string steps;

private:
    DiskCalls* previous_;
};

// An unflushed file is never renamed into place.
TEST_F(ClassFilesTest, EveryCopyAndSaveIsFlushedThenRenamed) {
    put_entries(folder(), "A.chart A.cls");
    const FlushRecorder disk;
    ASSERT_TRUE(backup_classes({"A.cls"}, folder() / "drive"));
    ASSERT_TRUE(save_class(folder() / "B.cls"));
    EXPECT_EQ("flush rename:A.cls flush rename:A.chart flush rename:B.cls ", disk.steps);
}

} // namespace
} // namespace quillmark
