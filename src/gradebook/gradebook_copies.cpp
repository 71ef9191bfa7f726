#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/class_merge.h"
#include "classdata/name_in_message.h"
#include "classdata/program_folder.h"
#include "classdata/shared_class_file.h"
#include "gradebook/gradebook_window.h"
#include "gradebook/merge_conflict_window.h"
#include "gradebook/step_captions.h"
#include "grading/categories_file.h"
#include "ui/dialogs.h"
#include "ui/text.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace quillmark {

Result Form1::save_class_file(bool closing) {
    const std::optional<std::string> theirs = class_file_changed_elsewhere();
    if (!theirs) {
        return write_open_class();
    }
    // A window of the gradebook may hold slots of the class as they are; the merge waits for it
    // to close, and the other copy's file stays as it is meanwhile.
    if (!isVisible() && !closing) {
        return Result::success();
    }
    return merge_other_copy(*theirs);
}

Result Form1::merge_other_copy(const std::string& theirs) {
    if (const Result readable = read_class_content(theirs, *std::make_unique<ClassContent>());
        !readable) {
        return keep_unreadable_and_save(theirs, readable.message());
    }
    const Categories categories = class_categories();
    const ClassSnapshot mine = before_step();
    std::vector<MergeConflict> conflicts;
    if (Result merged = merge_class(class_file_base, theirs, conflicts); !merged) {
        return merged;
    }
    if (!conflicts.empty()) {
        if (Result settled = settle_conflicts(mine, theirs, std::move(conflicts)); !settled) {
            return settled;
        }
    }
    const Result written = write_open_class();
    if (written && !kept_copy.empty()) {
        // The class file holds the teacher's choice; the copy kept meanwhile has served.
        std::error_code ignored;
        std::filesystem::remove(in_program_folder(kept_copy), ignored);
        kept_copy.clear();
    }
    record_step(other_copy_step, mine);
    show_undone_class(categories);
    return written;
}

Result Form1::settle_conflicts(const ClassSnapshot& mine, const std::string& theirs,
                               std::vector<MergeConflict> conflicts) {
    if (Result kept = keep_this_copy(kept_copy); !kept) {
        restore_class(mine);
        return kept;
    }
    settling_conflicts = true;
    MergeConflictWindow window{conflicts, kept_copy, this};
    window.exec();
    settling_conflicts = false;

    restore_class(mine);
    return merge_class_choosing(class_file_base, theirs, conflicts, window.take_theirs());
}

void Form1::follow_other_copy_categories() {
    if (!isVisible()) {
        return;
    }
    std::optional<Categories> theirs = categories_changed_elsewhere();
    if (!theirs) {
        return;
    }
    const ClassSnapshot mine = before_step();
    take_categories(std::move(*theirs));
    record_step(other_copy_step, mine);
    show_undone_class(class_categories());
}

Result Form1::keep_unreadable_and_save(const std::string& theirs, const std::string& reason) {
    std::string kept_name;
    if (Result kept = keep_unreadable_copy(theirs, kept_name); !kept) {
        return kept;
    }
    const Result written = write_open_class();
    ui::msgbox(QStringLiteral("The class file \"%1\" was changed by another program so that it "
                              "cannot be read (%2). It was kept as \"%3\" in the class folder, "
                              "and this copy's class was saved in its place.")
                   .arg(ui::to_qstring(name_in_message(class_file)), ui::to_qstring(reason),
                        ui::to_qstring(name_in_message(kept_name))),
               ui::Icon::exclamation, ui::Buttons::ok, this);
    return written;
}

} // namespace quillmark
