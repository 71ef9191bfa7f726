#include "classdata/system_reason.h"

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <locale.h>
#include <memory>
#include <string>
#include <type_traits>

// glibc keeps the list that LOCPATH gives newlocale for the rest of the run, which
// LeakSanitizer would report. Its frame reads "__argz_add_sep" or "argz_add_sep" depending on
// the symbols at hand; a suppression matches any frame whose name holds its text.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:argz_add_sep\n";
}

namespace quillmark {
namespace {

TEST(SystemReason, ComesInTheUsersLanguageInTheCodePageMessagesHold) {
    EXPECT_EQ("Read-only file system", system_reason(EROFS));
    EXPECT_EQ("No such file or directory",
              system_reason(std::make_error_code(std::errc::no_such_file_or_directory)));

    // The locale a French teacher's desktop runs in, for this thread only. The install step
    // brings the locale sources and the French texts (locales, libc-l10n).
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
    EXPECT_EQ("Aucun espace disponible sur le p\xE9riph\xE9rique",
              system_reason(std::make_error_code(std::errc::no_space_on_device)));
    // The ellipsis and the euro sign sit where Windows-1252 has them; a letter it lacks is "?".
    EXPECT_EQ("\x85 \x80 ?", locale_text_to_cp1252("\xE2\x80\xA6 \xE2\x82\xAC \xC5\x81"));
}

} // namespace
} // namespace quillmark
