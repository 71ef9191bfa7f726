#pragma once

namespace quillmark::bench {

// Fills the class data with a full class: 300 students, 200 assignments, every score set.
void fill_full_class();

} // namespace quillmark::bench
