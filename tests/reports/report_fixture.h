#pragma once

#include "classdata/class_data.h"
#include "support/class_fixture.h"
#include "support/recording_printer.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmark::testing {

inline constexpr const char* today = "12/6/26";

inline std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

// Line by line, so a failure names the line that differs.
inline void expect_lines(const std::vector<std::string>& expected,
                         const std::vector<std::string>& printed) {
    EXPECT_EQ(expected.size(), printed.size());
    for (std::size_t i = 0; i < std::min(expected.size(), printed.size()); ++i) {
        EXPECT_EQ(expected[i], printed[i]) << "line " << i;
    }
}

// An empty class "Period1.cls" of Ms. Rivera, and a recorder to print into.
class ReportTest : public ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        clear_class();
        class_file = "Period1.cls";
        instructor = "Ms. Rivera";
    }

    static void add_assignment(std::int16_t slot, const std::string& title, std::int16_t points) {
        asg_title[slot] = title;
        asg_points[slot] = points;
    }

    static void add_student(std::int16_t slot, const std::string& id, const std::string& last,
                            std::initializer_list<std::int16_t> scores) {
        students[slot] = {"Pat", last, id, {}, {}, {}, {}};
        std::copy(scores.begin(), scores.end(), students[slot].scores.begin());
    }

    // The header block every report but the chart opens with, then the rest.
    static std::vector<std::string> after_header(std::initializer_list<std::string> rest) {
        std::vector<std::string> lines{"@ 0",
                                       "",
                                       "",
                                       "@Arial 12",
                                       "     Quillmark - 12/6/26",
                                       "",
                                       "@Arial 12 bold",
                                       "     Period1.cls",
                                       "@Arial 12 italic",
                                       "     Instructor: Ms. Rivera",
                                       "@Arial 12",
                                       ""};
        lines.insert(lines.end(), rest);
        return lines;
    }

    RecordingPrinter printer;
};

} // namespace quillmark::testing
