#include "support/class_fixture.h"

#include "classdata/class_data.h"
#include "classdata/program_folder.h"
#include "classdata/shared_class_file.h"
#include "grading/categories.h"

#include <fstream>
#include <iterator>
#include <random>

namespace quillmark::testing {

void reset_class_data() {
    students = {};
    asg_title = {};
    asg_points = {};
    asg_notes = {};
    grade_scale = {};
    use_plus = false;
    use_minus = false;
    instructor.clear();
    class_file.clear();
    class_file_base.clear();
    password.clear();
    top_student = 0;
    left_assignment = 0;
    edit_slot = 0;
    selected_student = 0;
    selected_assignment = 0;
    console_locked = false;
    list_by_name = false;
    class_categories() = Categories{};
}

void ClassFixture::SetUp() {
    reset_class_data();
    std::random_device entropy;
    folder_ = std::filesystem::temp_directory_path() /
              ("quillmark-test-" + std::to_string(entropy()) + std::to_string(entropy()));
    std::filesystem::create_directories(folder_);
    set_program_folder(folder_);
}

void ClassFixture::TearDown() {
    std::error_code ignored;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(folder_, ignored);
}

void ClassFixture::write_file(std::string_view name, std::string_view bytes) const {
    std::ofstream out{folder_ / std::string{name}, std::ios::binary};
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ClassFixture::read_file(std::string_view name) const {
    std::ifstream in{folder_ / std::string{name}, std::ios::binary};
    return {std::istreambuf_iterator<char>{in}, std::istreambuf_iterator<char>{}};
}

} // namespace quillmark::testing
