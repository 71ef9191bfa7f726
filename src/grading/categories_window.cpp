#include "grading/categories_window.h"

#include "classdata/class_data.h"
#include "classdata/numbers.h"
#include "grading/categories.h"
#include "grading/categories_elsewhere.h"
#include "grading/categories_file.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace quillmark {
namespace {

constexpr int name_column = 0;
constexpr int weight_column = 1;
constexpr int drop_column = 2;
constexpr int rows = static_cast<int>(max_categories);

QString cell_text(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item == nullptr ? QString{} : item->text().trimmed();
}

QString number(double value) {
    return QString::number(value, 'g', 15);
}

// A drop count as typed: empty is none; anything but a whole number reads as -1, which the
// check of the categories refuses.
int drop_count(const QString& text) {
    if (text.isEmpty()) {
        return 0;
    }
    const std::optional<double> value = parse_number(ui::from_qstring(text));
    if (!value || *value != std::floor(*value) || std::abs(*value) > max_drop_lowest + 1) {
        return -1;
    }
    return static_cast<int>(*value);
}

// A problem found by the check, as the sentence a message box shows.
QString sentence(std::string problem) {
    if (!problem.empty() && problem[0] >= 'a' && problem[0] <= 'z') {
        problem[0] = static_cast<char>(problem[0] - 'a' + 'A');
    }
    return ui::to_qstring(problem + ".");
}

// The first column takes the width the others leave, which are as wide as their captions (and
// contents), so that no caption is cut and the table never scrolls sideways.
QTableWidget* add_table(QWidget& parent, const QString& name, const QString& accessible_name,
                        int row_count, const QStringList& headers, const QRect& place) {
    auto* table = new QTableWidget{row_count, static_cast<int>(headers.size()), &parent};
    table->setObjectName(name);
    table->setAccessibleName(accessible_name);
    table->setHorizontalHeaderLabels(headers);
    table->setGeometry(place);
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < headers.size(); ++column) {
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    return table;
}

} // namespace

CategoriesWindow::CategoriesWindow(ui::Hub& gradebook)
    : EditorWindow{gradebook, QStringLiteral("CategoriesWindow"),
                   QStringLiteral("Categories and Weights"), 10050, 6600} {
    Check1 = new QCheckBox{QStringLiteral("Use weighted categories"), this};
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(ui::twips_rect(240, 120, 4200, 285));

    ui::add_label(*this, QStringLiteral("Label2"),
                  QStringLiteral("Categories: name, weight in percent, lowest scores to drop"),
                  ui::twips_rect(240, 540, 4560, 255));
    const QStringList captions{QStringLiteral("Name"), QStringLiteral("Weight"),
                               QStringLiteral("Drop lowest")};
    Grid1 = add_table(*this, QStringLiteral("Grid1"), QStringLiteral("Categories"), rows, captions,
                      ui::twips_rect(240, 840, 4560, 4185));
    // A screen reader reads a cell with its caption and row.
    const std::array<QString, 3> described{QStringLiteral("name"),
                                           QStringLiteral("weight in percent"),
                                           QStringLiteral("lowest scores to drop")};
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem;
            item->setData(Qt::AccessibleDescriptionRole,
                          QStringLiteral("Category %1, %2").arg(row + 1).arg(described[column]));
            Grid1->setItem(row, column, item);
        }
    }

    Label1 =
        ui::add_label(*this, QStringLiteral("Label1"), {}, ui::twips_rect(240, 5100, 4560, 780));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ui::add_label(*this, QStringLiteral("Label3"), QStringLiteral("Assignments:"),
                  ui::twips_rect(5040, 540, 4770, 255));
    Grid2 = add_table(*this, QStringLiteral("Grid2"), QStringLiteral("Assignments"), 0,
                      {QStringLiteral("Assignment"), QStringLiteral("Category")},
                      ui::twips_rect(5040, 840, 4770, 5040));
    // Half the width each, so that a long category name cannot squeeze the titles out.
    Grid2->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    Command1 = ui::add_button(*this, QStringLiteral("Command1"), QStringLiteral("OK"),
                              ui::twips_rect(7755, 6060, 975, 375));
    Command2 = ui::add_button(*this, QStringLiteral("Command2"), QStringLiteral("Cancel"),
                              ui::twips_rect(8835, 6060, 975, 375));

    connect(Command1, &QPushButton::clicked, this, &CategoriesWindow::pok);
    connect(Command2, &QPushButton::clicked, this, &CategoriesWindow::close);
}

void CategoriesWindow::load() {
    center();
    const Categories& categories = class_categories();
    Check1->setChecked(categories.in_use);
    for (std::size_t c = 0; c < categories.list.size() && c < max_categories; ++c) {
        const Category& category = categories.list[c];
        const int row = static_cast<int>(c);
        Grid1->item(row, name_column)->setText(ui::to_qstring(category.name));
        Grid1->item(row, weight_column)->setText(number(category.weight));
        Grid1->item(row, drop_column)->setText(QString::number(category.drop_lowest));
    }

    for (std::int16_t a = 0; a < assignment_slots; ++a) {
        if (!assignment_used(a)) {
            continue;
        }
        const int row = Grid2->rowCount();
        Grid2->insertRow(row);
        slots_.push_back(a);
        auto* title = new QTableWidgetItem{QString::number(a + 1) + QStringLiteral(". ") +
                                           ui::to_qstring(asg_title[a])};
        title->setFlags(Qt::ItemIsEnabled);
        Grid2->setItem(row, 0, title);
        auto* list = new QComboBox;
        list->setObjectName(ui::indexed_name("Combo1", a));
        // On Linux a list reads its choice as its name; the description says whose list it is.
        list->setAccessibleName(QStringLiteral("Category of ") + title->text());
        list->setAccessibleDescription(list->accessibleName());
        // The cell under the list reads as the list's choice, not as empty.
        auto* choice = new QTableWidgetItem;
        choice->setFlags(Qt::ItemIsEnabled);
        choice->setData(Qt::AccessibleDescriptionRole, list->accessibleName());
        Grid2->setItem(row, 1, choice);
        connect(list, &QComboBox::currentTextChanged, this,
                [choice](const QString& text) { choice->setData(Qt::AccessibleTextRole, text); });
        list->addItem(QStringLiteral("Not counted"), -1);
        Grid2->setCellWidget(row, 1, list);
    }
    refresh_category_lists();
    // The lists give each category its row, and the class's categories fill the rows in order.
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        auto* list = static_cast<QComboBox*>(Grid2->cellWidget(static_cast<int>(i), 1));
        list->setCurrentIndex(std::max(list->findData(int{categories.of[slots_[i]]}), 0));
    }
    refresh_weight_note();
    // Every edit of a category shows at once in the assignments' lists and the note.
    connect(Grid1, &QTableWidget::itemChanged, this, [this] {
        refresh_category_lists();
        refresh_weight_note();
    });
    show();
}

void CategoriesWindow::pok() {
    Categories categories;
    categories.in_use = Check1->isChecked();
    std::array<std::int16_t, max_categories> index_of_row;
    index_of_row.fill(-1);
    for (int row = 0; row < rows; ++row) {
        const QString name = cell_text(*Grid1, row, name_column);
        const QString weight = cell_text(*Grid1, row, weight_column);
        const QString drop = cell_text(*Grid1, row, drop_column);
        if (name.isEmpty() && weight.isEmpty() && drop.isEmpty()) {
            continue;
        }
        if (name.isEmpty()) {
            ui::msgbox(QStringLiteral("Please give the category in row %1 a name.").arg(row + 1),
                       ui::Icon::exclamation, ui::Buttons::ok, this);
            return;
        }
        if (const QString refusal = ui::unstorable_message(name); !refusal.isEmpty()) {
            Grid1->setCurrentCell(row, name_column);
            ui::msgbox(refusal, ui::Icon::exclamation, ui::Buttons::ok, this);
            return;
        }
        index_of_row[static_cast<std::size_t>(row)] =
            static_cast<std::int16_t>(categories.list.size());
        categories.list.push_back({ui::from_qstring(name),
                                   parse_number(ui::from_qstring(weight))
                                       .value_or(std::numeric_limits<double>::quiet_NaN()),
                                   drop_count(drop)});
    }
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const auto* list = static_cast<QComboBox*>(Grid2->cellWidget(static_cast<int>(i), 1));
        const int row = list->currentData().toInt();
        if (row >= 0) {
            categories.of[slots_[i]] = index_of_row[static_cast<std::size_t>(row)];
        }
    }
    if (std::string problem = categories_problem(categories); !problem.empty()) {
        ui::msgbox(sentence(std::move(problem)), ui::Icon::exclamation, ui::Buttons::ok, this);
        return;
    }
    if (!may_replace_categories(this)) {
        // The other copy's categories are the class's now; the gradebook shows them.
        emit stored();
        hand_back();
        return;
    }
    if (const Result stored_categories = set_class_categories(std::move(categories));
        !stored_categories) {
        ui::msgbox(ui::to_qstring(stored_categories.message()), ui::Icon::error, ui::Buttons::ok,
                   this);
        return;
    }
    emit stored();
    hand_back();
}

void CategoriesWindow::refresh_category_lists() {
    for (int i = 0; i < Grid2->rowCount(); ++i) {
        auto* list = static_cast<QComboBox*>(Grid2->cellWidget(i, 1));
        const QVariant chosen = list->currentData();
        while (list->count() > 1) {
            list->removeItem(1);
        }
        for (int row = 0; row < rows; ++row) {
            if (const QString name = cell_text(*Grid1, row, name_column); !name.isEmpty()) {
                list->addItem(name, row);
            }
        }
        list->setCurrentIndex(std::max(list->findData(chosen), 0));
    }
}

void CategoriesWindow::refresh_weight_note() {
    double total = 0;
    bool named = false;
    for (int row = 0; row < rows; ++row) {
        if (cell_text(*Grid1, row, name_column).isEmpty()) {
            continue;
        }
        named = true;
        total += parse_number(ui::from_qstring(cell_text(*Grid1, row, weight_column))).value_or(0);
    }
    if (!named || std::abs(total - 100) < 1e-9) {
        Label1->clear();
        return;
    }
    const QString sum = number(total);
    Label1->setText(QStringLiteral("The weights add up to %1, not 100. Each category counts its "
                                   "weight out of %1: a weight of 10 counts 10/%1 of the average.")
                        .arg(sum));
}

} // namespace quillmark
