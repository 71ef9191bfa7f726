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
    for (const char* name : {"b.cls", "Zeta.cls", "A.CLS", "c.Web", "a.web", "B.cls", "notes.txt",
                             "Period 1.cls.bak", "cls", ".Period 1.cls.Xy12Ab.tmp", "qmk.dat",
                             "Period 1.chart", "\xC3\x89mile.cls", "\xE6\x97\xA5.cls"}) {
        write_file(name, "");
    }
    std::filesystem::create_directory(folder() / "Folder.cls");

    // "É" is Windows-1252 0xC9, after every ASCII letter; the Japanese name has no spelling.
    EXPECT_EQ((Names{"A.CLS", "a.web", "B.cls", "b.cls", "c.Web", "Zeta.cls", "\xC9mile.cls"}),
              list_class_files(folder()));
    EXPECT_EQ(Names{}, list_class_files(folder() / "missing"));
}

TEST_F(ClassFilesTest, NamesAreTakenAsTheTeacherMeantThem) {
    write_file("Period 1.cls", "one");
    write_file("Lab.web", "lab");
    write_file("period 3.cls", "three");
    ASSERT_TRUE(create_class_file(folder(), "English - Period 4"));
    ASSERT_TRUE(create_class_file(folder(), "  Period 5.cls  "));
    ASSERT_TRUE(create_class_file(folder(), "Caf\xE9.WEB"));
    ASSERT_TRUE(rename_class_file(folder(), "Period 1.cls", "Period 2"));
    // Accepting the offered name changes nothing; a change of letter case is allowed.
    ASSERT_TRUE(rename_class_file(folder(), "Period 2.cls", "Period 2.cls"));
    ASSERT_TRUE(rename_class_file(folder(), "Lab.web", "Lab.web"));
    ASSERT_TRUE(rename_class_file(folder(), "period 3.cls", "Period 3"));

    EXPECT_EQ((Names{"Caf\xC3\xA9.cls", "English - Period 4.cls", "Lab.cls", "Period 2.cls",
                     "Period 3.cls", "Period 5.cls"}),
              files_in(folder()));
    EXPECT_EQ(0U, std::filesystem::file_size(folder() / "English - Period 4.cls"));
    EXPECT_EQ("one", read_file("Period 2.cls"));
}

TEST_F(ClassFilesTest, AnExistingClassIsNeverEmptiedOrReplaced) {
    write_file("Period 1.cls", "upper");
    write_file("period 1.cls", "lower");
    write_file("Algebra.cls", "algebra");
    for (const char* name : {"Period 1", "PERIOD 1", " period 1.Cls"}) {
        EXPECT_FALSE(create_class_file(folder(), name)) << name;
    }
    EXPECT_EQ("A class named \"PERIOD 1\" already exists.",
              create_class_file(folder(), "PERIOD 1.cls").message());
    EXPECT_EQ("A class named \"period 1\" already exists.",
              rename_class_file(folder(), "Algebra.cls", "period 1").message());
    EXPECT_EQ("A class named \"Period 1\" already exists.",
              rename_class_file(folder(), "period 1.cls", "Period 1").message());

    EXPECT_EQ((Names{"Algebra.cls", "Period 1.cls", "period 1.cls"}), files_in(folder()));
    EXPECT_EQ("upper", read_file("Period 1.cls"));
    EXPECT_EQ("lower", read_file("period 1.cls"));
    EXPECT_EQ("algebra", read_file("Algebra.cls"));
}

TEST_F(ClassFilesTest, NamesThatAreNoPlainFileNameAreRefused) {
    write_file("Period 1.cls", "kept");
    for (const std::string& name : Names{"a/b", "..\\x", ".", "..", "   ", ".cls", " .web",
                                         "tab\there", std::string{"nul\0x", 5}}) {
        const std::string expected = "\"" + name + "\" cannot be used as a class name.";
        EXPECT_EQ(expected, create_class_file(folder(), name).message());
        EXPECT_EQ(expected, rename_class_file(folder(), "Period 1.cls", name).message());
    }
    EXPECT_EQ((Names{"Period 1.cls"}), files_in(folder()));
    EXPECT_EQ("kept", read_file("Period 1.cls"));
}

TEST_F(ClassFilesTest, DeleteRemovesTheOneFileAndFailuresNameIt) {
    write_file("Period 1.cls", "");
    write_file("Period 1.chart", "");
    ASSERT_TRUE(delete_class_file(folder(), "Period 1.cls"));
    EXPECT_EQ((Names{"Period 1.chart"}), files_in(folder()));

    EXPECT_EQ("Could not delete \"Period 1.cls\": No such file or directory.",
              delete_class_file(folder(), "Period 1.cls").message());
    EXPECT_EQ("Could not rename \"Gone.cls\": No such file or directory.",
              rename_class_file(folder(), "Gone.cls", "Here").message());
    EXPECT_EQ("Could not create \"Period 9.cls\": No such file or directory.",
              create_class_file(folder() / "missing", "Period 9").message());
    EXPECT_EQ((Names{"Period 1.chart"}), files_in(folder()));
}

} // namespace
} // namespace quillmark
