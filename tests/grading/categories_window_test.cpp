#include "classdata/class_data.h"
#include "grading/categories.h"
#include "grading/categories_file.h"
#include "grading/window_fixture.h"

#include <filesystem>
#include <sstream>
#include <string>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>

namespace quillmark::testing {
namespace {

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
    QComboBox& list(int slot) const {
        return in_window<QComboBox>(QStringLiteral("Combo1(%1)").arg(slot));
    }
    QCheckBox& switch_box() const { return in_window<QCheckBox>("Check1"); }
};

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

TEST_F(CategoriesWindowTest, RefusesABadEntryThenOkStoresSavesAndThePanelsFollow) {
    QTest::mouseClick(&score_box(0), Qt::LeftButton); // Ada in the student panel
    const auto averages = [this] {
        return QStringList{caption(QStringLiteral("Label4")), caption(QStringLiteral("Label7"))};
    };
    ASSERT_TRUE(open_categories());
    EXPECT_FALSE(window_->isVisible());

    // The core's refusal, and the window stays open.
    auto& table = in_window<QTableWidget>("Grid1");
    table.item(2, 0)->setText(QStringLiteral("\u0141\u00F3d\u017A"));
    dialogs.expect_message(QStringLiteral("The class file cannot store the characters "
                                          "\"\u0141\u017A\". Please type them without accents or "
                                          "other marks."),
                           ui::Answer::ok, ui::Icon::exclamation);
    press("Command1");
    dialogs.verify();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder() / "Algebra.categories"));

    table.item(2, 0)->setText(QString{});
    switch_box().click();
    list(1).setCurrentIndex(list(1).findText(QStringLiteral("Tests")));
    press("Command1");
    EXPECT_TRUE(handed_back());
    // Quiz 2 in Tests, weighted. Ada: .4 * 10/10 + .6 * 74/110 = 80.36 %; Ben 77.45 %, the
    // class 78.909 %, cut.
    EXPECT_EQ((QStringList{"Average: 80.36%", "Average: 78.90%"}), averages());

    // OK was one step: undo puts back the switched-off categories, in their file too, and the
    // figures; redo brings the weighted ones again.
    const std::string stored = read_file("Algebra.categories");
    EXPECT_EQ(QStringLiteral("Undo Categories and Weights"),
              control<QAction>(QStringLiteral("undo")).text());
    trigger("undo");
    EXPECT_FALSE(class_categories().in_use);
    std::ostringstream undone;
    write_categories(undone, class_categories());
    EXPECT_EQ(undone.str(), read_file("Algebra.categories"));
    EXPECT_EQ((QStringList{"Average: 70%", "Average: 78.33%"}), averages());
    trigger("redo");
    EXPECT_EQ(stored, read_file("Algebra.categories"));
    EXPECT_EQ((QStringList{"Average: 80.36%", "Average: 78.90%"}), averages());
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
