#pragma once

#include <array>
#include <cstdint>
#include <string>

// The one open class, held for the whole run and read and written directly by every window.
// Texts hold Windows-1252 bytes, one byte per character, exactly as the class file holds them.
namespace quillmark {

// Students 0..299 and assignments 0..199 are the class; the last element of each array is
// spare, and only the class file reader may store into it.
inline constexpr std::int16_t student_slots = 300;
inline constexpr std::int16_t assignment_slots = 200;

// The mark stored for a student excused from an assignment; it never counts.
inline constexpr std::int16_t excused = -1;

// What clear_class() gives every assignment slot and grading scale entries 0..11.
inline constexpr std::int16_t default_asg_points = 100;
inline constexpr std::array<std::int16_t, 12> default_grade_scale{0, 90, 0, 0, 80, 0,
                                                                  0, 70, 0, 0, 60, 0};

// A password file holding this means no password is set.
inline constexpr const char* no_password = "zxqv";

struct student_rec {
    std::string first_name;
    std::string last_name;
    std::string id_number; // not empty: the slot is in use
    std::array<std::int16_t, assignment_slots + 1> scores{};
    std::string telephone;
    std::string address;
    std::string notes;
};

inline std::array<student_rec, student_slots + 1> students;
inline std::array<std::string, assignment_slots + 1> asg_title; // not empty: the slot is in use
inline std::array<std::int16_t, assignment_slots + 1> asg_points{};
inline std::array<std::string, assignment_slots + 1> asg_notes;
inline std::array<std::int16_t, 14> grade_scale{}; // entries 12 and 13 are spare
inline bool use_plus = false;
inline bool use_minus = false;
inline std::string instructor;

// Values of the current run, beside the class.
inline std::string class_file; // file name in the program folder, extension included
inline std::string password;
inline std::int16_t top_student = 0;     // student slot in the grid's first row
inline std::int16_t left_assignment = 0; // assignment slot in the grid's first column
inline std::int16_t edit_slot = 0;       // argument for the window about to open
inline std::int16_t selected_student = 0;
inline std::int16_t selected_assignment = 0;
inline bool console_locked = false;
inline bool list_by_name = false;

// Empties the class and restores the default grading settings. Keeps the instructor, the
// run-time values and the spare elements.
void clear_class();

// How many times clear_class() has run: data kept above this folder for the open class (its
// categories) compares it to tell that the class it belongs to is gone.
std::uint64_t class_generation();

// The highest used slot, or 0 when none is used (slot 0's key tells the two apart).
std::int16_t last_student();
std::int16_t last_assignment();

bool student_used(std::int16_t slot);
bool assignment_used(std::int16_t slot);

} // namespace quillmark
