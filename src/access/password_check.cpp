#include "access/password_check.h"

#include "access/password_file.h"
#include "classdata/class_data.h"

#include <sodium.h>

namespace quillmark {
namespace {

// Fast enough that a log-on feels instant, slow enough to make guessing at a copied file dear.
constexpr unsigned long long operations = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr std::size_t memory = crypto_pwhash_MEMLIMIT_INTERACTIVE;

// No password of older versions could be this long and begin so, as the log-on takes 20
// characters at most.
bool is_hash(std::string_view stored) {
    return stored.size() > static_cast<std::size_t>(max_password_length) &&
           stored.starts_with(crypto_pwhash_STRPREFIX) && stored.size() < crypto_pwhash_STRBYTES;
}

} // namespace

std::optional<std::string> password_line(std::string_view typed) {
    if (typed == no_password) {
        return std::string{no_password};
    }
    if (::sodium_init() < 0) {
        return std::nullopt;
    }
    char hash[crypto_pwhash_STRBYTES];
    if (::crypto_pwhash_str(hash, typed.data(), typed.size(), operations, memory) != 0) {
        return std::nullopt;
    }
    return std::string{hash};
}

bool password_matches(std::string_view typed, std::string_view stored) {
    if (!is_hash(stored)) {
        return typed == stored;
    }
    const std::string line{stored};
    return ::sodium_init() >= 0 &&
           ::crypto_pwhash_str_verify(line.c_str(), typed.data(), typed.size()) == 0;
}

Result set_password(std::string_view typed) {
    const std::optional<std::string> line = password_line(typed);
    if (!line) {
        return Result::failure("Could not save the password: there is not enough memory.");
    }
    password = *line;
    return write_password_file(*line);
}

bool log_on(std::string_view typed) {
    if (!password_matches(typed, password)) {
        return false;
    }
    if (password != no_password && !is_hash(password)) {
        static_cast<void>(set_password(typed));
    }
    return true;
}

} // namespace quillmark
