#include "classdata/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <sys/stat.h>

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
    // One allocation for the whole file where its size is known; a file that grows meanwhile is
    // still read to its end.
    struct stat status {};
    if (::fstat(::fileno(file.get()), &status) == 0 && status.st_size > 0) {
        bytes.reserve(bytes.size() + static_cast<std::size_t>(status.st_size));
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
