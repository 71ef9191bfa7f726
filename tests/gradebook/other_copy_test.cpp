#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "gradebook/merge_conflict_window.h"
#include "grid_fixture.h"

#include <filesystem>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QTableWidget>

namespace quillmark::testing {
namespace {

// A gradebook on one student whose class file this copy has just saved.
class OtherCopyTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        add_student(0, "Ann", "Lee", "1001");
        add_assignment(0, "Quiz 3", 20);
        students[0].scores[0] = 18;
        open_gradebook();
        window_->autosave();
        saved = read_file("Algebra.cls");
    }

    std::string saved;
};

TEST_F(OtherCopyTest, AnUnreadableFileOnDiskIsKeptAsideOnceAndTheClassWrittenInItsPlace) {
    write_file("Algebra.cls", "bpp992\r\nhalf a file");
    dialogs.expect_message(
        QStringLiteral("The class file \"Algebra.cls\" was changed by another program so that it "
                       "cannot be read (line 3: the file ends too early). It was kept as "
                       "\"Algebra.cls.unreadable\" in the class folder, and this copy's class was "
                       "saved in its place."),
        ui::Answer::ok, ui::Icon::exclamation);
    window_->autosave();
    dialogs.verify();

    EXPECT_EQ(saved, read_file("Algebra.cls"));
    EXPECT_EQ("bpp992\r\nhalf a file", read_file("Algebra.cls.unreadable"));
    window_->autosave();
}

TEST_F(OtherCopyTest, WhileAnotherWindowOfTheGradebookIsOpenTheMergeAndTheWriteWait) {
    students[0].scores[0] = 5;
    std::string theirs = saved;
    theirs.replace(theirs.find(" 18 "), 4, " 12 ");
    write_file("Algebra.cls", theirs);
    window_->hide();
    window_->autosave();
    EXPECT_EQ(theirs, read_file("Algebra.cls"));
    EXPECT_EQ(5, students[0].scores[0]);
}

TEST_F(OtherCopyTest, AFileRemovedByAnotherCopyIsWrittenAgain) {
    std::filesystem::remove(folder() / "Algebra.cls");
    window_->autosave();
    EXPECT_EQ(saved, read_file("Algebra.cls"));
}

TEST_F(OtherCopyTest, TheConflictWindowStartsOnThisCopysValuesAndTakesEachRowsChoice) {
    MergeConflictWindow conflicts{
        {{"Lee, Ann: Quiz 3", "12", "18"}, {"Instructor", "", "T. Sample"}}, "Algebra 2.cls"};
    const auto& table = *conflicts.findChild<QTableWidget*>(QStringLiteral("Conflicts"));
    const auto value = [&table](int row, int column) {
        return static_cast<QAbstractButton*>(table.cellWidget(row, column));
    };
    EXPECT_EQ(QStringLiteral("(empty)"), value(1, 1)->text());
    EXPECT_EQ((std::vector<bool>{false, false}), conflicts.take_theirs());

    conflicts.findChild<QAbstractButton*>(QStringLiteral("TakeAllOfTheirs"))->click();
    EXPECT_EQ((std::vector<bool>{true, true}), conflicts.take_theirs());
    value(0, 1)->click();
    EXPECT_EQ((std::vector<bool>{false, true}), conflicts.take_theirs());
    conflicts.findChild<QAbstractButton*>(QStringLiteral("KeepAllOfMine"))->click();
    EXPECT_EQ((std::vector<bool>{false, false}), conflicts.take_theirs());
}

} // namespace
} // namespace quillmark::testing
