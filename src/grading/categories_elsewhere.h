#pragma once

class QWidget;

namespace quillmark {

// Asks before this copy's categories replace those that another copy of the class saved in the
// categories file since this copy read or wrote it: Yes replaces them; No makes the other copy's
// categories the class's. True when this copy's categories may be written.
bool may_replace_categories(QWidget* parent);

} // namespace quillmark
