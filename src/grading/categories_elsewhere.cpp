#include "grading/categories_elsewhere.h"

#include "grading/categories_file.h"
#include "ui/dialogs.h"

namespace quillmark {

bool may_replace_categories(QWidget* parent) {
    std::optional<Categories> theirs = categories_changed_elsewhere();
    if (!theirs) {
        return true;
    }
    if (ui::msgbox(QStringLiteral("The categories were changed in another copy of this class "
                                  "since this copy read them. Replace them with this copy's "
                                  "categories?\n\nNo takes the other copy's categories."),
                   ui::Icon::exclamation, ui::Buttons::yes_no, parent) == ui::Answer::yes) {
        return true;
    }
    take_categories(std::move(*theirs));
    return false;
}

} // namespace quillmark
