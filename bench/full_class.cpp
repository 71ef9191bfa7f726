#include "full_class.h"

#include "classdata/class_data.h"

#include <string>

namespace quillmark::bench {

void fill_full_class() {
    clear_class();
    instructor = "T. Bench";
    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        asg_title[a] = "Assignment " + std::to_string(a + 1);
        asg_notes[a] = "Notes on assignment " + std::to_string(a + 1);
        asg_points[a] = static_cast<std::int16_t>(50 + a % 151);
    }
    for (std::int16_t s = 0; s < student_slots; ++s) {
        student_rec& student = students[s];
        student.first_name = "First" + std::to_string(s);
        student.last_name = "Last" + std::to_string((s * 7919) % student_slots);
        student.id_number = std::to_string(100000 + s);
        student.telephone = "555-" + std::to_string(1000 + s);
        student.address = std::to_string(s) + " Elm Street";
        student.notes = "Notes on student " + std::to_string(s);
        for (std::int16_t a = 0; a < assignment_slots; ++a) {
            const int score = (s * 31 + a * 17) % (asg_points[a] + 1);
            student.scores[a] = (s + a) % 97 == 0 ? excused : static_cast<std::int16_t>(score);
        }
    }
}

} // namespace quillmark::bench
