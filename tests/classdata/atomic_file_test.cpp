#include "classdata/atomic_file.h"
#include "classdata/name_in_message.h"
#include "support/class_fixture.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmark {
namespace {

namespace fs = std::filesystem;

using AtomicFileTest = testing::ClassFixture;

TEST_F(AtomicFileTest, OnlyStaleTemporaryFilesOfSavesAreRemoved) {
    const auto make = [this](const std::string& name, std::chrono::seconds age) {
        write_file(name, "kept");
        fs::last_write_time(folder() / name, fs::file_time_type::clock::now() - age);
    };
    const std::chrono::seconds hour{3600};
    make(".quillmark-a1B2c3.tmp", std::chrono::seconds{90});
    // A save may still be writing this one.
    make(".quillmark-Fresh1.tmp", std::chrono::seconds{30});
    const std::vector<std::string> near_misses = {
        ".quillmark-ABCDE.tmp", ".quillmark-ABCDEFG.tmp",    ".quillmark-AB_DEF.tmp",
        "quillmark-ABCDEF.tmp", ".quillmark-ABCDEF.tmp.cls", ".quillmark-ABCDEF.TMP"};
    for (const std::string& name : near_misses) {
        make(name, hour);
    }
    make("target", hour);
    fs::create_symlink(folder() / "target", folder() / ".quillmark-Linked.tmp");
    fs::create_directory(folder() / ".quillmark-Folder.tmp");

    remove_stale_temporary_files(folder());

    EXPECT_FALSE(fs::exists(folder() / ".quillmark-a1B2c3.tmp"));
    EXPECT_TRUE(fs::exists(folder() / ".quillmark-Fresh1.tmp"));
    for (const std::string& name : near_misses) {
        EXPECT_TRUE(fs::exists(folder() / name)) << name;
    }
    EXPECT_TRUE(fs::is_symlink(folder() / ".quillmark-Linked.tmp"));
    EXPECT_EQ("kept", read_file("target"));
    EXPECT_TRUE(fs::is_directory(folder() / ".quillmark-Folder.tmp"));
    remove_stale_temporary_files(folder() / "missing");
}

TEST_F(AtomicFileTest, LongNamesLoseTheirMiddleInMessages) {
    const std::string sixty(60, 'a');
    EXPECT_EQ(sixty, name_in_message(sixty));
    const std::string long_name = std::string(150, 'b') + std::string(148, 'c') + ".cls";
    const std::string shown = name_in_message(long_name);
    EXPECT_EQ(std::string(30, 'b') + "\x85" + std::string(25, 'c') + ".cls", shown);

    // Every message that names a file shortens it the same way.
    const Result saved = write_file_atomically(folder() / "missing" / long_name, "x");
    EXPECT_EQ("Could not save \"" + shown + "\": No such file or directory.", saved.message());
}

} // namespace
} // namespace quillmark
