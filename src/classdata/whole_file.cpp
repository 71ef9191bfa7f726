#include "classdata/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace quillmark {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

int read_whole_file(const std::filesystem::path& path, std::string& bytes) {
    const std::unique_ptr<std::FILE, FileCloser> file{std::fopen(path.c_str(), "rb")};
    if (!file) {
        return errno;
    }
    char chunk[65536];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        bytes.append(chunk, count);
    }
    if (std::ferror(file.get())) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

} // namespace quillmark
