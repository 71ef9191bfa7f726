#pragma once

#include <random>

namespace quillmark {

// The program's one random generator.
std::mt19937& random_generator();

// Seeds the generator from the clock; called once at program start.
void seed_random_generator();

// A single-precision draw in [0, 1).
float random_single();

} // namespace quillmark
