#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace quillmark::testing {

// Every text empty and every number 0, as at program start.
void reset_class_data();

// Resets the class data and points the program folder at a fresh temporary folder, removed
// after the test.
class ClassFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::filesystem::path& folder() const { return folder_; }

    // Whole files of the program folder, byte for byte.
    void write_file(std::string_view name, std::string_view bytes) const;
    std::string read_file(std::string_view name) const;

private:
    std::filesystem::path folder_;
};

} // namespace quillmark::testing
