#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/program_folder.h"
#include "classmanager/class_manager.h"
#include "gradebook/assignment_editor.h"
#include "grading/categories.h"
#include "grading/categories_file.h"
#include "grading/window_fixture.h"
#include "ui/image_button.h"

#include <array>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace quillmark::testing {
namespace {

const QString not_counted = QStringLiteral("Not counted");

// A gradebook over Quiz 1 and Quiz 2 (10 points each) and a test of 100 in slot 3, with
// Quizzes 40 % dropping 1 and Tests 60 % set but switched off. Ada scored 10, 4 and 70; Ben 6,
// 8 and 90.
class CategoriesWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        add_assignment(0, "Quiz 1", 10);
        add_assignment(1, "Quiz 2", 10);
        add_assignment(3, "Test", 100);
        add_student(0, "Ada", "Lovelace", "S1");
        add_student(1, "Ben", "Okafor", "S2");
        students[0].scores = {10, 4, 0, 70};
        students[1].scores = {6, 8, 0, 90};
        Categories& categories = class_categories();
        categories.list = {{"Quizzes", 40, 1}, {"Tests", 60, 0}};
        categories.of[0] = 0;
        categories.of[1] = 0;
        categories.of[3] = 1;
        open_gradebook();
    }

    bool open_categories() {
        trigger("categories");
        return opened("CategoriesWindow");
    }
    QTableWidget& categories_table() const { return in_window<QTableWidget>("Grid1"); }
    void set_cell(int row, int column, const QString& text) const {
        categories_table().item(row, column)->setText(text);
    }
    QString cell(int row, int column) const { return categories_table().item(row, column)->text(); }
    QComboBox& list(int slot) const {
        return in_window<QComboBox>(QStringLiteral("Combo1(%1)").arg(slot));
    }
    QStringList choices(int slot) const {
        QStringList items;
        for (int i = 0; i < list(slot).count(); ++i) {
            items << list(slot).itemText(i);
        }
        return items;
    }
    QString note() const { return in_window<QLabel>("Label1").text(); }
    QCheckBox& switch_box() const { return in_window<QCheckBox>("Check1"); }
    bool categories_file_exists() const {
        return std::filesystem::exists(folder() / "Algebra.categories");
    }
};

TEST_F(CategoriesWindowTest, OpensFilledFromTheClassAndCancelOrTheTitleBarChangeNothing) {
    ASSERT_TRUE(open_categories());
    EXPECT_FALSE(window_->isVisible());
    EXPECT_FALSE(switch_box().isChecked());
    EXPECT_EQ((QStringList{"Quizzes", "40", "1", "Tests", "60", "0", "", ""}),
              (QStringList{cell(0, 0), cell(0, 1), cell(0, 2), cell(1, 0), cell(1, 1), cell(1, 2),
                           cell(2, 0), cell(11, 2)}));
    const auto& assignments = in_window<QTableWidget>("Grid2");
    ASSERT_EQ(3, assignments.rowCount());
    EXPECT_EQ(QStringLiteral("4. Test"), assignments.item(2, 0)->text());
    EXPECT_EQ((QStringList{not_counted, "Quizzes", "Tests"}), choices(3));
    EXPECT_EQ((QStringList{"Quizzes", "Tests"}),
              (QStringList{list(1).currentText(), list(3).currentText()}));
    EXPECT_EQ(QString{}, note());

    // Edits show at once: a renamed category in every list, a category without a name in none,
    // and a note while the weights miss 100.
    set_cell(0, 0, QStringLiteral("Labs"));
    EXPECT_EQ(QStringLiteral("Labs"), list(0).currentText());
    set_cell(1, 1, QStringLiteral("50"));
    EXPECT_EQ(QStringLiteral("The weights add up to 90, not 100. Each category counts its weight "
                             "out of 90: a weight of 10 counts 10/90 of the average."),
              note());
    set_cell(1, 0, QString{});
    EXPECT_EQ((QStringList{not_counted, "Labs"}), choices(3));
    EXPECT_EQ(not_counted, list(3).currentText());

    const Categories stored = class_categories();
    for (const bool by_title_bar : {false, true}) {
        if (by_title_bar) {
            ASSERT_TRUE(open_categories());
        }
        switch_box().click();
        by_title_bar ? static_cast<void>(window->close()) : press("Command2");
        EXPECT_TRUE(handed_back()) << by_title_bar;
        EXPECT_TRUE(stored == class_categories()) << by_title_bar;
        EXPECT_FALSE(categories_file_exists()) << by_title_bar;
    }
}

TEST_F(CategoriesWindowTest, CaptionsFitAndEveryControlReadsWithANameAndValue) {
    class_categories().list[1].name = std::string(30, 'W');
    ASSERT_TRUE(open_categories());
    for (const char* name : {"Grid1", "Grid2"}) {
        const auto& table = in_window<QTableWidget>(QLatin1String{name});
        int width = 0;
        for (int column = 0; column < table.columnCount(); ++column) {
            EXPECT_GE(table.columnWidth(column), table.horizontalHeader()->sectionSizeHint(column))
                << name << " column " << column;
            width += table.columnWidth(column);
        }
        EXPECT_LE(width, table.viewport()->width()) << name;
    }

    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(window)) {
            EXPECT_FALSE(
                QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                << control->metaObject()->className() << " " << control->objectName().toStdString();
        }
    }
    // Slot 3 is the third row of the assignments: its list and the cell under it read its choice.
    list(3).setCurrentIndex(list(3).findText(QStringLiteral("Quizzes")));
    QAccessibleInterface* choice = QAccessible::queryAccessibleInterface(&list(3));
    EXPECT_EQ(
        (QStringList{"Category of 4. Test", "Quizzes"}),
        (QStringList{choice->text(QAccessible::Description), choice->text(QAccessible::Value)}));
    QAccessibleInterface* cell =
        QAccessible::queryAccessibleInterface(&in_window<QTableWidget>("Grid2"))
            ->tableInterface()
            ->cellAt(2, 1);
    EXPECT_EQ((QStringList{"Quizzes", "Category of 4. Test"}),
              (QStringList{cell->text(QAccessible::Name), cell->text(QAccessible::Description)}));
}

TEST_F(CategoriesWindowTest, RefusesBadEntriesThenOkStoresSavesAndThePanelsFollow) {
    QTest::mouseClick(&score_box(0), Qt::LeftButton); // Ada in the student panel
    const auto averages = [this] {
        return QStringList{caption(QStringLiteral("Label4")), caption(QStringLiteral("Label7"))};
    };
    EXPECT_EQ((QStringList{"Average: 70%", "Average: 78.33%"}), averages());

    // Row 3 as typed, and OK's refusal; the window stays open.
    ASSERT_TRUE(open_categories());
    const QString not_storable = QStringLiteral("\u0141\u00F3d\u017A");
    const std::pair<std::array<QString, 3>, QString> rows[] = {
        {{"", "20", ""}, "Please give the category in row 3 a name."},
        {{"Homework", "twenty", "0"}, "The weight of \"Homework\" must be a number from 0 to 100."},
        {{"Homework", "0", "1.5"},
         "The number of scores to drop from \"Homework\" must be a whole number from 0 to 10."},
        {{not_storable, "0", "0"},
         "The class file cannot store the characters \"\u0141\u017A\". "
         "Please type them without accents or other marks."}};
    for (const auto& [cells, message] : rows) {
        for (int column = 0; column < 3; ++column) {
            set_cell(2, column, cells[column]);
        }
        dialogs.expect_message(message, ui::Answer::ok, ui::Icon::exclamation);
        press("Command1");
        dialogs.verify();
        EXPECT_TRUE(window->isVisible()) << message.toStdString();
    }
    EXPECT_FALSE(class_categories().in_use);
    EXPECT_FALSE(categories_file_exists());

    // Homework emptied again; switched on, Quiz 2 moved to Tests.
    for (int column = 0; column < 3; ++column) {
        set_cell(2, column, QString{});
    }
    switch_box().click();
    list(1).setCurrentIndex(list(1).findText(QStringLiteral("Tests")));
    press("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_TRUE(class_categories().in_use);
    EXPECT_EQ(2u, class_categories().list.size());
    EXPECT_EQ(1, class_categories().of[1]);

    // Ada: quizzes 10/10 alone (no drop with one quiz), tests (4 + 70) / 110:
    // .4 * 1 + .6 * 74/110 = 80.36 %. Ben: .4 * .6 + .6 * 98/110 = 77.45 %; class 78.909 %, cut.
    EXPECT_EQ((QStringList{"Average: 80.36%", "Average: 78.90%"}), averages());

    // OK was one step: undo puts back the switched-off categories, in their file too, and the
    // figures; redo brings the weighted ones again.
    const std::string stored = read_file("Algebra.categories");
    EXPECT_EQ(QStringLiteral("Undo Categories and Weights"),
              control<QAction>(QStringLiteral("undo")).text());
    trigger("undo");
    EXPECT_FALSE(class_categories().in_use);
    EXPECT_EQ(0, class_categories().of[1]);
    std::istringstream on_disk{read_file("Algebra.categories")};
    std::string problem;
    const std::optional<Categories> read_back = read_categories(on_disk, problem);
    ASSERT_TRUE(read_back) << problem;
    EXPECT_TRUE(*read_back == class_categories());
    EXPECT_EQ((QStringList{"Average: 70%", "Average: 78.33%"}), averages());
    trigger("redo");
    EXPECT_EQ(stored, read_file("Algebra.categories"));
    EXPECT_EQ((QStringList{"Average: 80.36%", "Average: 78.90%"}), averages());
}

TEST_F(CategoriesWindowTest, ARemovedAssignmentLeavesItsCategoryOnDiskToo) {
    ASSERT_TRUE(set_class_categories(class_categories()));
    window_->hide();
    edit_slot = 1;
    QPointer<Form3> editor = new Form3{*window_};
    editor->load();
    editor->findChild<QLineEdit*>(QStringLiteral("Text1"))->clear();
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    asg_title[1] = "Quiz 3";
    ASSERT_TRUE(load_categories());
    EXPECT_EQ(-1, class_categories().of[1]);
}

TEST_F(CategoriesWindowTest, AnUnreadableFileIsReportedOnceWhenTheClassOpensAndKept) {
    window_->close();
    ASSERT_TRUE(save_class(in_program_folder("Algebra.cls")));
    const std::string broken = R"({"version": 1, "use_weighted_categories": "yes"})";
    write_file("Algebra.categories", broken);
    clear_class();

    QPointer<Form4> manager = &show_class_manager();
    manager->findChild<QListWidget*>(QStringLiteral("File1"))->setCurrentRow(0);
    dialogs.expect_message(
        QStringLiteral("The categories of \"Algebra.cls\" could not be read: "
                       "\"use_weighted_categories\" is neither true nor false. The class is "
                       "shown without categories."),
        ui::Answer::ok, ui::Icon::exclamation);
    QTest::mouseClick(manager->findChild<ui::ImageButton*>(QStringLiteral("Image5")),
                      Qt::LeftButton);
    dialogs.verify();
    auto* gradebook = static_cast<Form1*>(shown_window("Form1"));
    ASSERT_NE(nullptr, gradebook);
    EXPECT_FALSE(class_categories().in_use);
    EXPECT_EQ(broken, read_file("Algebra.categories"));

    // Closing saves the class, and leaves the categories file alone.
    gradebook->close();
    EXPECT_EQ(broken, read_file("Algebra.categories"));
}

TEST_F(CategoriesWindowTest, AnotherCopysCategoriesAreTakenQuietlyOrReplacedOnlyWhenAsked) {
    // Categories that another copy saves are the class's at the next tick, as one step.
    Categories theirs;
    theirs.in_use = true;
    theirs.list = {{"Homework", 100, 0}};
    theirs.of[0] = 0;
    const auto save_theirs = [&] {
        std::ostringstream bytes;
        write_categories(bytes, theirs);
        write_file("Algebra.categories", bytes.str());
        return bytes.str();
    };
    save_theirs();
    window_->autosave();
    EXPECT_EQ(theirs.list, class_categories().list);
    EXPECT_EQ(QStringLiteral("Undo Changes from Another Copy"),
              control<QAction>(QStringLiteral("undo")).text());

    // Changed here and there: OK asks; Yes writes this copy's, No takes the other copy's.
    for (const ui::Answer answer : {ui::Answer::yes, ui::Answer::no}) {
        ASSERT_TRUE(open_categories());
        switch_box().setChecked(false);
        theirs.list[0].weight = answer == ui::Answer::yes ? 50 : 70;
        const std::string changed = save_theirs();
        dialogs.expect_message(
            QStringLiteral("The categories were changed in another copy of this class since "
                           "this copy read them. Replace them with this copy's categories?\n\nNo "
                           "takes the other copy's categories."),
            answer, ui::Icon::exclamation);
        press("Command1");
        dialogs.verify();
        EXPECT_TRUE(handed_back());
        EXPECT_EQ(answer == ui::Answer::no, class_categories().in_use);
        EXPECT_EQ(answer == ui::Answer::no, read_file("Algebra.categories") == changed);
    }
}

} // namespace
} // namespace quillmark::testing
