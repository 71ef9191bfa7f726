#include "classdata/numbers.h"
#include "classdata/system_reason.h"
#include "classdata/text_encoding.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <locale.h>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

// glibc keeps the list that LOCPATH gives newlocale for the rest of the run. Its frame reads
// "__argz_add_sep" or "argz_add_sep"; a suppression matches any frame holding its text.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:argz_add_sep\n";
}

namespace quillmark {
namespace {

TEST(Numbers, RoundingKeepsTheWholeSixteenBitRangeAndRefusesBeyondIt) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, std::optional<std::int16_t>> cases[] = {
        {-32768.5, -32768}, {32767.49, 32767}, {6.5, 6},       {-7.5, -8},
        {-32768.51, {}},    {32767.5, {}},     {infinity, {}}, {std::nan(""), {}}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(rounded, round_to_int16(value)) << value;
    }
}

TEST(TextEncodingTest, UnstorableCharactersAreNamedOnceInTheOrderTyped) {
    EXPECT_EQ("", cp1252_unstorable("Jos\u00e9 M\u00fcller \u2013 \u20ac5 \u201cA?\u201d \u0081"));
    EXPECT_EQ("\u0141\u017a\u0119", cp1252_unstorable("\u0141\u00f3d\u017a \u0141\u0119k"));
    EXPECT_EQ("\U0001F600\u4E2D", cp1252_unstorable("a\U0001F600b\u4E2D\U0001F600"));
    // Broken bytes can never be shown as they are: they are named by the replacement character.
    EXPECT_EQ("\uFFFD", cp1252_unstorable("ab\xFF\xC3"));
}

TEST(SystemReason, ComesInTheUsersLanguageInTheCodePageMessagesHold) {
    // The locale a French teacher's desktop runs in, for this thread only.
    ::setenv("LOCPATH", TEST_LOCALE_FOLDER, 1);
    const auto restore = [](locale_t french) {
        ::uselocale(LC_GLOBAL_LOCALE);
        ::freelocale(french);
    };
    const std::unique_ptr<std::remove_pointer_t<locale_t>, decltype(restore)> french{
        ::newlocale(LC_ALL_MASK, "fr_FR.UTF-8", nullptr), restore};
    ::unsetenv("LOCPATH");
    ASSERT_TRUE(french) << "no French locale in " TEST_LOCALE_FOLDER;
    ::uselocale(french.get());
    ASSERT_NE("Read-only file system", std::string{std::strerror(EROFS)})
        << "no French system texts";
    EXPECT_EQ("Syst\xE8me de fichiers accessible en lecture seulement", system_reason(EROFS));
    // The ellipsis and the euro sign sit where Windows-1252 has them; a letter it lacks is "?".
    EXPECT_EQ("\x85 \x80 ?", locale_text_to_cp1252("\xE2\x80\xA6 \xE2\x82\xAC \xC5\x81"));
}

} // namespace
} // namespace quillmark
