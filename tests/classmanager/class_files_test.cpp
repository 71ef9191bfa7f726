#include "classmanager/class_files.h"
#include "support/class_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

using ClassFilesTest = testing::ClassFixture;
using Names = std::vector<std::string>;

Names files_in(const std::filesystem::path& folder) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator{folder}) {
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
    std::filesystem::create_directory(folder() / "Folder.cls");
    ASSERT_TRUE(create_class_file(folder(), "\x80"));

    // "€" and "É" are Windows-1252 0x80 and 0xC9, after every ASCII letter; the Japanese name
    // has no spelling.
    EXPECT_EQ((Names{"A.CLS", "a.web", "B.cls", "b.cls", "c.Web", "Zeta.cls", "\x80.cls",
                     "\xC9mile.cls"}),
              list_class_files(folder()));
    EXPECT_TRUE(std::filesystem::exists(folder() / "\xE2\x82\xAC.cls"));
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
    // A change of letter case alone is no clash with the file itself.
    ASSERT_TRUE(rename_class_file(folder(), "Period 1.cls", "  PERIOD 1  "));
    EXPECT_EQ((Names{"PERIOD 1.cls"}), files_in(folder()));
    EXPECT_EQ("kept", read_file("PERIOD 1.cls"));
}

} // namespace
} // namespace quillmark
