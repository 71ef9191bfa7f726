#include "classdata/resources.h"
#include "support/class_fixture.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using ResourcesTest = testing::ClassFixture;

TEST_F(ResourcesTest, FoundBesideTheExecutableFirstThenInTheShareFolder) {
    const fs::path bin = folder() / "prefix" / "bin";
    const fs::path share = folder() / "prefix" / "share" / "quillmark";
    fs::create_directories(bin);
    fs::create_directories(share);
    write_file("prefix/share/quillmark/books.gif", "installed");
    EXPECT_EQ(fs::weakly_canonical(find_resource("books.gif", bin)),
              fs::weakly_canonical(share / "books.gif"));

    write_file("prefix/bin/books.gif", "built");
    EXPECT_EQ(find_resource("books.gif", bin), bin / "books.gif");

    EXPECT_FALSE(fs::exists(find_resource("shouse.gif", bin)));
}

} // namespace
} // namespace quillmark
