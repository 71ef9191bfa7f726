#include "seating/chart_file.h"

#include "classdata/atomic_file.h"
#include "classdata/class_data.h"
#include "classdata/program_folder.h"
#include "classdata/system_reason.h"
#include "classdata/text_encoding.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <memory>

namespace quillmark {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string chart_bytes(const Desks& desks) {
    std::string out;
    for (const Desk& desk : desks) {
        if (desk.present) {
            const std::size_t start = out.size();
            out.append(desk.text);
            // A line break inside a name would shift every later record.
            std::replace_if(
                out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
                [](char c) { return c == '\r' || c == '\n'; }, ' ');
            out.append("\r\n1\r\n");
        } else {
            out.append("\r\n0\r\n");
        }
    }
    return out;
}

bool next_line(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

Result failure(std::string_view action, const std::string& file_name, int error) {
    return Result::failure("Could not " + std::string{action} + " \"" + file_name +
                           "\": " + system_reason(error) + ".");
}

} // namespace

void initchart(Desks& desks) {
    desks.fill(Desk{});
}

std::string chart_file_name(std::string_view class_file_name) {
    // Class files always carry an extension; a shorter name leaves only ".chart".
    const std::string_view stem =
        class_file_name.substr(0, class_file_name.size() >= 4 ? class_file_name.size() - 4 : 0);
    return std::string{stem} + ".chart";
}

std::filesystem::path chart_file_path() {
    return in_program_folder(chart_file_name(class_file));
}

void read_chart(std::istream& in, Desks& desks) {
    initchart(desks);
    std::string name;
    std::string flag;
    for (Desk& desk : desks) {
        if (!next_line(in, name) || !next_line(in, flag)) {
            return;
        }
        desk.present = flag == "1";
        if (desk.present) {
            desk.text = std::move(name);
        }
    }
}

void write_chart(std::ostream& out, const Desks& desks) {
    const std::string bytes = chart_bytes(desks);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Result load_chart(Desks& desks) {
    initchart(desks);
    const std::filesystem::path path = chart_file_path();
    const std::string file_name = chart_file_name(class_file);
    // Appending creates the file when it is missing and leaves an existing one as it is.
    if (const std::unique_ptr<std::FILE, FileCloser> created{std::fopen(path.c_str(), "ab")};
        !created) {
        return failure("create", file_name, errno);
    }
    std::ifstream in{path, std::ios::binary};
    if (!in) {
        return failure("read", file_name, errno);
    }
    // Only the 144 lines of the chart are read, however long the file.
    read_chart(in, desks);
    if (in.bad()) {
        initchart(desks);
        return failure("read", file_name, EIO);
    }
    return Result::success();
}

std::optional<Desks> chart_on_disk() {
    std::ifstream in{chart_file_path(), std::ios::binary};
    if (!in) {
        return std::nullopt;
    }
    Desks desks;
    read_chart(in, desks);
    if (in.bad()) {
        return std::nullopt;
    }
    return desks;
}

Result save_chart(const Desks& desks) {
    return write_file_atomically(chart_file_path(), chart_bytes(desks), FileAccess::everyone,
                                 "the seating chart");
}

} // namespace quillmark
