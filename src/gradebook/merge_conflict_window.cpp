#include "gradebook/merge_conflict_window.h"

#include "ui/text.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillmark {
namespace {

constexpr int where_column = 0;
constexpr int mine_column = 1;
constexpr int theirs_column = 2;
constexpr int mine_id = 0;
constexpr int theirs_id = 1;

QString shown_value(const std::string& value) {
    return value.empty() ? QStringLiteral("(empty)") : ui::to_qstring(value);
}

} // namespace

MergeConflictWindow::MergeConflictWindow(const std::vector<MergeConflict>& conflicts,
                                         const std::string& kept_name, QWidget* parent)
    : QDialog{parent} {
    setObjectName(QStringLiteral("MergeConflictWindow"));
    setWindowTitle(QStringLiteral("Changes from Another Copy"));
    setModal(true);

    auto* explanation = new QLabel{
        QStringLiteral("Another copy of this class, on another computer or in another Quillmark, "
                       "changed these entries differently since this copy last saved the class. "
                       "Choose the value to keep in each row, then press OK.\n\nUntil you do, "
                       "this copy's work is kept in the class \"%1\".")
            .arg(ui::to_qstring(kept_name)),
        this};
    explanation->setWordWrap(true);
    explanation->setTextFormat(Qt::PlainText);

    table = new QTableWidget{static_cast<int>(conflicts.size()), 3, this};
    table->setObjectName(QStringLiteral("Conflicts"));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Entry"), QStringLiteral("This Copy"), QStringLiteral("Other Copy")});
    table->verticalHeader()->hide();
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < table->rowCount(); ++row) {
        const MergeConflict& conflict = conflicts[static_cast<std::size_t>(row)];
        table->setItem(row, where_column, new QTableWidgetItem{ui::to_qstring(conflict.where)});
        auto* group = new QButtonGroup{this};
        for (const auto& [column, id, value] :
             {std::tuple{mine_column, mine_id, &conflict.mine},
              std::tuple{theirs_column, theirs_id, &conflict.theirs}}) {
            auto* button = new QRadioButton{shown_value(*value), table};
            button->setAccessibleDescription(ui::to_qstring(conflict.where));
            group->addButton(button, id);
            table->setCellWidget(row, column, button);
        }
        group->button(mine_id)->setChecked(true);
        choices.push_back(group);
    }
    // The two values share the room the entries leave, so neither copy looks the lesser.
    table->horizontalHeader()->setSectionResizeMode(where_column, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(mine_column, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(theirs_column, QHeaderView::Stretch);

    auto* keep_mine = new QPushButton{QStringLiteral("Keep All of Mine"), this};
    keep_mine->setObjectName(QStringLiteral("KeepAllOfMine"));
    connect(keep_mine, &QPushButton::clicked, this, &MergeConflictWindow::keep_all_of_mine);
    auto* take_theirs_button = new QPushButton{QStringLiteral("Take All of Theirs"), this};
    take_theirs_button->setObjectName(QStringLiteral("TakeAllOfTheirs"));
    connect(take_theirs_button, &QPushButton::clicked, this,
            &MergeConflictWindow::take_all_of_theirs);
    auto* ok = new QPushButton{QStringLiteral("OK"), this};
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(keep_mine);
    buttons->addWidget(take_theirs_button);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout{this};
    layout->addWidget(explanation);
    layout->addWidget(table);
    layout->addLayout(buttons);
    resize(640, 420);
}

std::vector<bool> MergeConflictWindow::take_theirs() const {
    std::vector<bool> theirs;
    for (const QButtonGroup* group : choices) {
        theirs.push_back(group->checkedId() == theirs_id);
    }
    return theirs;
}

void MergeConflictWindow::keep_all_of_mine() {
    for (QButtonGroup* group : choices) {
        group->button(mine_id)->setChecked(true);
    }
}

void MergeConflictWindow::take_all_of_theirs() {
    for (QButtonGroup* group : choices) {
        group->button(theirs_id)->setChecked(true);
    }
}

} // namespace quillmark
