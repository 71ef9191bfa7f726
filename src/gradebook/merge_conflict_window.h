#pragma once

#include "classdata/class_merge.h"

#include <vector>

#include <QDialog>

class QButtonGroup;
class QTableWidget;

namespace quillmark {

// Lists the entries that this copy and another copy of the class changed differently, one a
// row (where, this copy's value, the other copy's value), and lets the teacher keep one value of
// each row. Every row starts on this copy's value. Only OK closes it: until the teacher answers,
// the class on disk is not written.
class MergeConflictWindow : public QDialog {
    Q_OBJECT

public:
    // kept_name: the file that holds this copy's work meanwhile, named in the explanation.
    MergeConflictWindow(const std::vector<MergeConflict>& conflicts, const std::string& kept_name,
                        QWidget* parent = nullptr);

    // For each row, whether the other copy's value was chosen.
    std::vector<bool> take_theirs() const;

protected:
    // The title bar and Escape do not answer the question.
    void reject() override {}

private:
    void keep_all_of_mine();
    void take_all_of_theirs();

    QTableWidget* table = nullptr;
    std::vector<QButtonGroup*> choices;
};

} // namespace quillmark
