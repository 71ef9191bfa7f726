#pragma once

#include <filesystem>
#include <string_view>

namespace quillmark {

// The calls that make a replaced file last, in the order a replacement makes them: write the
// temporary file, flush it to the disk, rename it over the old file, flush the folder so the
// new name stays too. Each returns 0 or the system's error number. Tests put in their own to
// make one fail or to record the order.
class DiskCalls {
public:
    virtual ~DiskCalls() = default;
    virtual int write(int descriptor, std::string_view bytes);
    virtual int flush_file(int descriptor);
    virtual int rename(const std::filesystem::path& from, const std::filesystem::path& to);
    virtual int flush_folder(const std::filesystem::path& folder);
};

// The calls in use: the system's own unless a test put others in.
DiskCalls& disk_calls();

// Puts calls in, nullptr for the system's own; returns those in use before, nullptr when they
// were the system's.
DiskCalls* set_disk_calls(DiskCalls* calls);

} // namespace quillmark
