#include "grading/categories_file.h"

#include "classdata/atomic_file.h"
#include "classdata/class_data.h"
#include "classdata/name_in_message.h"
#include "classdata/program_folder.h"
#include "classdata/system_reason.h"
#include "classdata/text_encoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

namespace quillmark {
namespace {

using Json = nlohmann::ordered_json;

constexpr int file_version = 1;
// Twelve categories and 200 assignments take a few kilobytes; more is no categories file.
constexpr std::size_t max_file_size = 1 << 20;

// A fault found while reading, carried out of the nested checks to the one place that reports.
struct Fault {
    std::string problem;
};

const Json& member(const Json& object, const char* key, const std::string& where) {
    const auto found = object.find(key);
    if (found == object.end()) {
        throw Fault{where + " has no \"" + key + "\""};
    }
    return *found;
}

const Json& array_member(const Json& object, const char* key) {
    const Json& value = member(object, key, "the file");
    if (!value.is_array()) {
        throw Fault{"\"" + std::string{key} + "\" is not a list"};
    }
    return value;
}

// A whole number from low to high, or the fault named by `what`.
int whole_number(const Json& value, int low, int high, const std::string& what) {
    if (value.is_number_integer()) {
        const auto n = value.get<std::int64_t>();
        if (n >= low && n <= high) {
            return static_cast<int>(n);
        }
    }
    throw Fault{what + " must be a whole number from " + std::to_string(low) + " to " +
                std::to_string(high)};
}

Category read_category(const Json& entry, std::size_t index) {
    const std::string where = "category " + std::to_string(index + 1);
    if (!entry.is_object()) {
        throw Fault{where + " is not an object"};
    }
    const Json& name = member(entry, "name", where);
    const Json& weight = member(entry, "weight", where);
    if (!name.is_string()) {
        throw Fault{"the name of " + where + " is not a text"};
    }
    // Read as "?", such a name would no longer be the category the file names.
    if (!cp1252_unstorable(name.get_ref<const std::string&>()).empty()) {
        throw Fault{"the name of " + where + " holds characters that the class file cannot store"};
    }
    Category category;
    category.name = utf8_to_cp1252(name.get<std::string>());
    if (!weight.is_number()) {
        throw Fault{"the weight of " + where + " is not a number"};
    }
    category.weight = weight.get<double>();
    category.drop_lowest = whole_number(member(entry, "drop_lowest", where), 0, max_drop_lowest,
                                        "the number of scores to drop from " + where);
    return category;
}

void read_assignment(const Json& entry, std::size_t index, Categories& categories) {
    const std::string where = "assignment entry " + std::to_string(index + 1);
    if (!entry.is_object()) {
        throw Fault{where + " is not an object"};
    }
    const int slot =
        whole_number(member(entry, "slot", where), 0, assignment_slots - 1, "the slot of " + where);
    const Json& category = member(entry, "category", where);
    if (!category.is_number_integer() || category.get<std::int64_t>() < 0 ||
        category.get<std::int64_t>() >= static_cast<std::int64_t>(categories.list.size())) {
        throw Fault{where + " is in a category that does not exist"};
    }
    if (categories.of[slot] != -1) {
        throw Fault{"assignment " + std::to_string(slot + 1) + " is listed twice"};
    }
    categories.of[slot] = static_cast<std::int16_t>(category.get<std::int64_t>());
}

Categories read_json(const Json& file) {
    if (!file.is_object()) {
        throw Fault{"the file holds no categories object"};
    }
    const Json& version = member(file, "version", "the file");
    if (!version.is_number_integer()) {
        throw Fault{"the version is not a whole number"};
    }
    if (version.get<std::int64_t>() != file_version) {
        throw Fault{"it was written in a format this version of Quillmark does not know"};
    }
    const Json& in_use = member(file, "use_weighted_categories", "the file");
    if (!in_use.is_boolean()) {
        throw Fault{"\"use_weighted_categories\" is neither true nor false"};
    }
    Categories categories;
    categories.in_use = in_use.get<bool>();
    const Json& list = array_member(file, "categories");
    if (list.size() > max_categories) {
        throw Fault{"a class can have at most " + std::to_string(max_categories) + " categories"};
    }
    for (std::size_t c = 0; c < list.size(); ++c) {
        categories.list.push_back(read_category(list[c], c));
    }
    const Json& assignments = array_member(file, "assignments");
    for (std::size_t i = 0; i < assignments.size(); ++i) {
        read_assignment(assignments[i], i, categories);
    }
    if (std::string problem = categories_problem(categories); !problem.empty()) {
        throw Fault{std::move(problem)};
    }
    return categories;
}

// Where the parser stopped, in plain words: the parser's own message names its exception and
// echoes the file's bytes. Columns count characters, as an editor shows them.
std::string parse_problem(const std::string& bytes, const nlohmann::json::parse_error& error) {
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos) {
        return "the file is empty";
    }
    if (error.byte > bytes.size()) {
        return "the file is cut short";
    }
    const std::size_t at = error.byte > 0 ? error.byte - 1 : 0;
    const std::string_view before{bytes.data(), at};
    const std::size_t line_start = before.rfind('\n') + 1; // npos + 1 is 0
    const auto line = 1 + std::ranges::count(before, '\n');
    const auto column = 1 + std::ranges::count_if(before.substr(line_start), [](char c) {
                            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                        });
    return "line " + std::to_string(line) + ", column " + std::to_string(column) +
           ": the text there is not valid JSON";
}

std::string categories_bytes(const Categories& categories) {
    Json file;
    file["version"] = file_version;
    file["use_weighted_categories"] = categories.in_use;
    file["categories"] = Json::array();
    for (const Category& category : categories.list) {
        Json entry;
        entry["name"] = cp1252_to_utf8(category.name);
        // Whole weights read as they were typed.
        if (category.weight == std::floor(category.weight)) {
            entry["weight"] = static_cast<int>(category.weight);
        } else {
            entry["weight"] = category.weight;
        }
        entry["drop_lowest"] = category.drop_lowest;
        file["categories"].push_back(std::move(entry));
    }
    file["assignments"] = Json::array();
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        if (categories.of[a] != -1) {
            file["assignments"].push_back(Json{{"slot", a}, {"category", categories.of[a]}});
        }
    }
    return file.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

// The categories file as this copy last read or wrote it (none for no file); forgotten with
// the class, like the categories themselves.
Categories& categories_on_disk() {
    static Categories known;
    static std::uint64_t generation = class_generation();
    if (generation != class_generation()) {
        known = Categories{};
        generation = class_generation();
    }
    return known;
}

// Leaves the assignments of unused slots in no category.
void drop_unused_slots(Categories& categories) {
    for (std::int16_t a = 0; a <= assignment_slots; ++a) {
        if (a == assignment_slots || !assignment_used(a)) {
            categories.of[a] = -1;
        }
    }
}

// The categories the file holds now; nothing when there is none or it is unreadable (a file
// that another copy took away with a rename leaves this copy's categories as they are).
std::optional<Categories> read_categories_file() {
    std::ifstream in{categories_file_path(), std::ios::binary};
    std::string problem;
    return in ? read_categories(in, problem) : std::nullopt;
}

Result read_failure(std::string_view problem) {
    return Result::failure("The categories of \"" + name_in_message(class_file) +
                           "\" could not be read: " + std::string{problem} +
                           ". The class is shown without categories.");
}

} // namespace

std::string categories_file_name(std::string_view class_file_name) {
    constexpr std::string_view class_extension = ".cls";
    const std::string_view ending = class_file_name.substr(
        class_file_name.size() - std::min(class_file_name.size(), class_extension.size()));
    // "A.cls" kept "A.categories" before "A.web" beside it had categories of its own.
    const bool cls = std::ranges::equal(ending, class_extension, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
    const std::string_view stem =
        cls ? class_file_name.substr(0, class_file_name.size() - class_extension.size())
            : class_file_name;
    return std::string{stem} + ".categories";
}

std::filesystem::path categories_file_path() {
    return in_program_folder(categories_file_name(class_file));
}

std::optional<Categories> read_categories(std::istream& in, std::string& problem) {
    problem.clear();
    std::string bytes;
    std::array<char, 4096> chunk;
    while (in && bytes.size() <= max_file_size) {
        in.read(chunk.data(), chunk.size());
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        problem = "the file could not be read to its end";
        return std::nullopt;
    }
    if (bytes.size() > max_file_size) {
        problem = "the file is larger than 1 MB";
        return std::nullopt;
    }
    try {
        return read_json(Json::parse(bytes));
    } catch (const nlohmann::json::parse_error& error) {
        problem = parse_problem(bytes, error);
    } catch (const nlohmann::json::out_of_range&) {
        // The parser's one fault of this kind: a number beyond a double.
        problem = "a number in the file is too large";
    } catch (const Fault& fault) {
        problem = fault.problem;
    } catch (const nlohmann::json::exception&) {
        // Every value is type-checked before it is taken; this is a last guard.
        problem = "the file holds a value of a kind the program does not expect";
    }
    return std::nullopt;
}

void write_categories(std::ostream& out, const Categories& categories) {
    const std::string bytes = categories_bytes(categories);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Result load_categories() {
    Categories& categories = class_categories();
    categories = Categories{};
    categories_on_disk() = Categories{};
    const std::filesystem::path path = categories_file_path();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return Result::success();
    }
    if (std::filesystem::is_directory(status)) {
        return read_failure(system_reason(EISDIR));
    }
    std::ifstream in{path, std::ios::binary};
    if (!in) {
        return read_failure(system_reason(errno != 0 ? errno : EIO));
    }
    std::string problem;
    std::optional<Categories> read = read_categories(in, problem);
    if (!read) {
        return read_failure(problem);
    }
    take_categories(std::move(*read));
    return Result::success();
}

Result set_class_categories(Categories categories) {
    if (const std::string problem = categories_problem(categories); !problem.empty()) {
        return Result::failure("The categories could not be stored: " + problem + ".");
    }
    drop_unused_slots(categories);
    if (Result saved = write_file_atomically(categories_file_path(), categories_bytes(categories),
                                             FileAccess::everyone, "the categories");
        !saved) {
        return saved;
    }
    categories_on_disk() = categories;
    class_categories() = std::move(categories);
    return Result::success();
}

std::optional<Categories> categories_changed_elsewhere() {
    std::optional<Categories> theirs = read_categories_file();
    if (theirs && *theirs == categories_on_disk()) {
        return std::nullopt;
    }
    return theirs;
}

void take_categories(Categories theirs) {
    categories_on_disk() = theirs;
    drop_unused_slots(theirs);
    class_categories() = std::move(theirs);
}

Result remove_assignment_category(std::int16_t assignment) {
    if (!drop_assignment_category(assignment)) {
        return Result::success();
    }
    Result saved =
        write_file_atomically(categories_file_path(), categories_bytes(class_categories()),
                              FileAccess::everyone, "the categories");
    if (saved) {
        categories_on_disk() = class_categories();
    }
    return saved;
}

} // namespace quillmark
