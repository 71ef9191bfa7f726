#include "classdata/random_generator.h"

#include <chrono>

namespace quillmark {

std::mt19937& random_generator() {
    static std::mt19937 generator;
    return generator;
}

void seed_random_generator() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    random_generator().seed(static_cast<std::mt19937::result_type>(now));
}

float random_single() {
    std::uniform_real_distribution<float> draw{0.0F, 1.0F};
    return draw(random_generator());
}

} // namespace quillmark
