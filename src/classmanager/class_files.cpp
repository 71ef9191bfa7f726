#include "classmanager/class_files.h"

#include "classdata/name_in_message.h"
#include "classdata/program_folder.h"
#include "classdata/system_reason.h"
#include "classdata/text_encoding.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace quillmark {
namespace {

constexpr std::string_view class_extension = ".cls";

// Lower case of a Windows-1252 letter: ASCII, the Latin-1 capitals, and the four capitals the
// code page keeps in 0x80..0x9F.
unsigned char fold(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A: // S with caron
    case 0x8C: // OE
    case 0x8E: // Z with caron
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F: // Y with diaeresis
        return 0xFF;
    default:
        return c;
    }
}

bool same_ignoring_case(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return fold(static_cast<unsigned char>(x)) == fold(static_cast<unsigned char>(y));
    });
}

bool before_ignoring_case(const std::string& a, const std::string& b) {
    const auto folded_less = [](char x, char y) {
        return fold(static_cast<unsigned char>(x)) < fold(static_cast<unsigned char>(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded_less)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded_less)) {
        return false;
    }
    return a < b;
}

bool is_class_file_name(std::string_view name) {
    if (name.size() < class_extension.size()) {
        return false;
    }
    const std::string_view ending = name.substr(name.size() - class_extension.size());
    return same_ignoring_case(ending, ".cls") || same_ignoring_case(ending, ".web");
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The class name the user meant, or nothing when it cannot name a file of the folder.
std::optional<std::string> class_base_name(std::string_view answer) {
    std::string_view name = trimmed(answer);
    if (is_class_file_name(name)) {
        name = trimmed(name.substr(0, name.size() - class_extension.size()));
    }
    const bool unsafe = std::ranges::any_of(name, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F;
    });
    if (name.empty() || name == "." || name == ".." || unsafe) {
        return std::nullopt;
    }
    return std::string{name};
}

Result refused_name(std::string_view answer) {
    return Result::failure("\"" + name_in_message(answer) + "\" cannot be used as a class name.");
}

Result existing_class(std::string_view base_name) {
    return Result::failure("A class named \"" + name_in_message(base_name) + "\" already exists.");
}

Result existing_companion(const Companion& companion, std::string_view file_name) {
    return Result::failure("A " + std::string{companion.what} + " named \"" +
                           name_in_message(file_name) +
                           "\" already exists; the class was not renamed.");
}

Result failure(std::string_view action, std::string_view file_name, int error) {
    return Result::failure("Could not " + std::string{action} + " \"" + name_in_message(file_name) +
                           "\": " + system_reason(error) + ".");
}

std::filesystem::path path_in(const std::filesystem::path& folder, std::string_view file_name) {
    return folder / std::filesystem::path{cp1252_to_utf8(file_name)};
}

// Whether an entry of the folder other than `except` has this name in any letter case.
bool name_taken(const std::filesystem::path& folder, std::string_view file_name,
                std::string_view except) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry{folder, error}, end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = utf8_to_cp1252(entry->path().filename().string());
        if (name != except && same_ignoring_case(name, file_name)) {
            return true;
        }
    }
    return false;
}

// Renames without ever replacing a file that appeared under the new name meanwhile.
int rename_exclusively(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // A file system without the exclusive rename: the check above must do.
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// A copy that never replaces a file; a partial copy is removed.
int copy_exclusively(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    if (!std::filesystem::exists(from, error)) {
        return error ? error.value() : ENOENT;
    }
    if (std::filesystem::copy_file(from, to, std::filesystem::copy_options::none, error)) {
        return 0;
    }
    if (error.value() != EEXIST) {
        std::error_code ignored;
        std::filesystem::remove(to, ignored);
    }
    return error.value();
}

// Whether another class file of the folder uses the companion of this one.
bool shared_companion(const std::filesystem::path& folder, std::string_view file_name,
                      const Companion& companion) {
    const std::string name = companion.file_name(file_name);
    return std::ranges::any_of(list_class_files(folder), [&](const std::string& other) {
        return other != file_name && companion.file_name(other) == name;
    });
}

} // namespace

std::vector<std::string> list_class_files(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry{folder, error}, end; !error && entry != end;
         entry.increment(error)) {
        const std::string utf8 = entry->path().filename().string();
        std::string name = utf8_to_cp1252(utf8);
        std::error_code type_error;
        if (is_class_file_name(name) && cp1252_to_utf8(name) == utf8 &&
            entry->is_regular_file(type_error)) {
            names.push_back(std::move(name));
        }
    }
    std::ranges::sort(names, before_ignoring_case);
    return names;
}

Result create_class_file(const std::filesystem::path& folder, std::string_view class_name) {
    const std::optional<std::string> base_name = class_base_name(class_name);
    if (!base_name) {
        return refused_name(class_name);
    }
    const std::string file_name = *base_name + std::string{class_extension};
    if (name_taken(folder, file_name, {})) {
        return existing_class(*base_name);
    }
    const int descriptor =
        ::open(path_in(folder, file_name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return errno == EEXIST ? existing_class(*base_name) : failure("create", file_name, errno);
    }
    if (::close(descriptor) != 0) {
        return failure("create", file_name, errno);
    }
    return Result::success();
}

Result delete_class_file(const std::filesystem::path& folder, std::string_view file_name) {
    if (::unlink(path_in(folder, file_name).c_str()) != 0) {
        return failure("delete", file_name, errno);
    }
    // A class made later under this name must not find this class's companions.
    for (const Companion& companion : companions) {
        if (shared_companion(folder, file_name, companion)) {
            continue;
        }
        const std::string name = companion.file_name(file_name);
        if (::unlink(path_in(folder, name).c_str()) != 0 && errno != ENOENT) {
            return failure("delete", name, errno);
        }
    }
    return Result::success();
}

Result rename_class_file(const std::filesystem::path& folder, std::string_view file_name,
                         std::string_view new_class_name) {
    const std::optional<std::string> base_name = class_base_name(new_class_name);
    if (!base_name) {
        return refused_name(new_class_name);
    }
    const std::string new_file_name = *base_name + std::string{class_extension};
    if (new_file_name == file_name) {
        return Result::success();
    }
    if (name_taken(folder, new_file_name, file_name)) {
        return existing_class(*base_name);
    }
    for (const Companion& companion : companions) {
        const std::string new_name = companion.file_name(new_file_name);
        if (name_taken(folder, new_name, companion.file_name(file_name))) {
            return existing_companion(companion, new_name);
        }
    }
    const int error =
        rename_exclusively(path_in(folder, file_name), path_in(folder, new_file_name));
    if (error == EEXIST) {
        return existing_class(*base_name);
    }
    if (error != 0) {
        return failure("rename", file_name, error);
    }
    // The companions go with their class; when one cannot, everything keeps its old name.
    struct Moved {
        std::filesystem::path from;
        std::filesystem::path to;
        bool copied;
    };
    std::vector<Moved> moved;
    for (const Companion& companion : companions) {
        const std::string name = companion.file_name(file_name);
        const std::string new_name = companion.file_name(new_file_name);
        if (name == new_name) {
            continue; // "A.web" renamed "A.cls" keeps its chart.
        }
        const std::filesystem::path from = path_in(folder, name);
        const std::filesystem::path to = path_in(folder, new_name);
        const bool shared = shared_companion(folder, file_name, companion);
        const int companion_error =
            shared ? copy_exclusively(from, to) : rename_exclusively(from, to);
        if (companion_error == 0) {
            moved.push_back({from, to, shared});
            continue;
        }
        if (companion_error == ENOENT) {
            continue;
        }
        for (const auto& [old_path, new_path, copied] : moved) {
            if (copied) {
                ::unlink(new_path.c_str());
            } else {
                std::rename(new_path.c_str(), old_path.c_str());
            }
        }
        std::rename(path_in(folder, new_file_name).c_str(), path_in(folder, file_name).c_str());
        return companion_error == EEXIST ? existing_companion(companion, new_name)
                                         : failure("rename", name, companion_error);
    }
    return Result::success();
}

Result check_export_file(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::weakly_canonical(program_folder(), error);
    const auto own = [&folder](const std::filesystem::path& path) {
        const std::string name = utf8_to_cp1252(path.filename().string());
        return !folder.empty() && path.parent_path() == folder &&
               (is_class_file_name(name) || name == "qmk.dat" || name == "qmk.els" ||
                // A companion's name for a class of no name is its ending.
                std::ranges::any_of(companions, [&name](const Companion& companion) {
                    return name.ends_with(companion.file_name(""));
                }));
    };
    // The name itself, a symlink there included, as the write would replace it; then the file
    // the symlink leads to.
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    const std::filesystem::path given =
        std::filesystem::weakly_canonical(absolute.parent_path(), error) / absolute.filename();
    if (own(given) || own(std::filesystem::weakly_canonical(absolute, error))) {
        return Result::failure("\"" + name_in_message(utf8_to_cp1252(file.filename().string())) +
                               "\" is one of Quillmark's own files; export the grades to another "
                               "file.");
    }
    return Result::success();
}

} // namespace quillmark
