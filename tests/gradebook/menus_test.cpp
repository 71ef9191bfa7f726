#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/resources.h"
#include "gradebook/help_texts.h"
#include "grid_fixture.h"
#include "ui/text.h"

#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

namespace quillmark::testing {
namespace {

class MenusTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        instructor = "T. Sample";
        add_student(0, "Ann", "Sample", "1001");
        add_assignment(0, "Quiz 1", 20);
        students[0].scores[0] = 18;
    }

    // Every save of the class fails while a folder stands where its file should be.
    void break_saving() const {
        mend_saving();
        std::filesystem::create_directory(folder() / class_file);
    }
    void mend_saving() const { std::filesystem::remove(folder() / class_file); }
};

const QString save_failed = QStringLiteral("Could not save \"Algebra.cls\": ");

// The captions of a menu and its submenus, depth first.
void collect(const QMenu& menu, const QString& indent, QStringList& captions,
             QStringList& shortcuts) {
    for (const QAction* entry : menu.actions()) {
        captions.append(indent + (entry->isSeparator() ? QStringLiteral("----") : entry->text()));
        if (!entry->shortcuts().isEmpty()) {
            shortcuts.append(entry->objectName() + " " +
                             QKeySequence::listToString(entry->shortcuts()));
        }
        if (entry->menu() != nullptr) {
            collect(*entry->menu(), indent + "  ", captions, shortcuts);
        }
    }
}

TEST_F(MenusTest, TheMenuBarHoldsTheWholeTreeWithItsShortcuts) {
    open_gradebook();
    QStringList captions;
    QStringList shortcuts;
    for (const QAction* menu : window_->findChild<QMenuBar*>()->actions()) {
        captions.append(menu->text());
        collect(*menu->menu(), "  ", captions, shortcuts);
    }
    // Submenu entries are indented under their menu; a separator is "----".
    EXPECT_EQ(QStringLiteral("File|  Print Report(s)|    Overall Class Analysis|"
                             "    Individual Assignment Analysis|    Individual Student Analysis|"
                             "  Return to Class Manager...|  ----|"
                             "  Export Grades...|  Import Students...|  ----|  Exit|"
                             "Edit|  Undo|  Redo|"
                             "Setup|  Change Instructor Name...|  Change Password...|"
                             "  Define Grading Scale...|  Categories and Weights...|"
                             "Help|  Quillmark Tutorial|  Auto-Curve Wizard|  Seat Planner|"
                             "  Blank Screen|  How do I excuse a student from an assignment?|"
                             "  Explanation of Individual Student Analysis|"
                             "  Explanation of Individual Assignment Analysis|"
                             "  Explanation of Overall Class Analysis|  About Quillmark..."),
              captions.join('|'));
    EXPECT_EQ((QStringList{"saveclass Ctrl+M", "exit Ctrl+E", "undo Ctrl+Z",
                           "redo Ctrl+Shift+Z; Ctrl+Y"}),
              shortcuts);
}

TEST_F(MenusTest, ReturnAndExitSaveAndTheirShortcutsWorkFromAScoreBox) {
    open_gradebook();
    QTest::mouseClick(&score_box(0), Qt::LeftButton);
    QTest::keyClicks(&score_box(0), QStringLiteral("17"));
    QTest::keyClick(&score_box(0), Qt::Key_M, Qt::ControlModifier);
    EXPECT_NE(std::string::npos, read_file("Algebra.cls").find("\r\n 17 \r\n"));
    EXPECT_NE(nullptr, shown_window("Form4"));
    EXPECT_EQ(nullptr, shown_window("Form1"));
    EXPECT_EQ(0, program_ends);

    students[0].scores[0] = 6;
    open_gradebook();
    QTest::mouseClick(&score_box(0), Qt::LeftButton);
    QTest::keyClick(&score_box(0), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(class_file_text(), read_file("Algebra.cls"));
    EXPECT_EQ(nullptr, shown_window("Form1"));
    EXPECT_EQ(1, program_ends);
}

TEST_F(MenusTest, TheTimerSavesShownOrHiddenAndRepaintsThePanels) {
    Form1& gradebook = open_gradebook();
    auto& timer = control<QTimer>(QStringLiteral("Timer1"));
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(20000, timer.interval());

    students[0].scores[0] = 10;
    QMetaObject::invokeMethod(&timer, "timeout");
    EXPECT_EQ(class_file_text(), read_file("Algebra.cls"));
    EXPECT_EQ(QStringLiteral("Average: 50%"), caption(QStringLiteral("Label7")));

    // The next tick saves over the program's own save, and does so while the window is hidden.
    gradebook.hide();
    students[0].scores[0] = 12;
    QMetaObject::invokeMethod(&timer, "timeout");
    EXPECT_EQ(class_file_text(), read_file("Algebra.cls"));
}

TEST_F(MenusTest, AFailedSaveIsReportedOnceAndLetsTheTeacherStay) {
    Form1& gradebook = open_gradebook();
    break_saving();
    dialogs.expect_message_starting(save_failed, ui::Answer::no, ui::Icon::exclamation);
    EXPECT_FALSE(gradebook.close());
    // The teacher was just told; the ticks that go on trying say nothing more.
    gradebook.autosave();
    dialogs.expect_message_starting(save_failed, ui::Answer::no);
    trigger("exit");
    EXPECT_TRUE(gradebook.isVisible());
    EXPECT_EQ(0, program_ends);

    mend_saving();
    gradebook.autosave();
    EXPECT_EQ(class_file_text(), read_file("Algebra.cls"));

    // A tick that fails after a save succeeded tells once again, and only once.
    break_saving();
    dialogs.expect_message_starting(save_failed, ui::Answer::ok, ui::Icon::error);
    gradebook.autosave();
    gradebook.autosave();
    dialogs.expect_message_starting(save_failed, ui::Answer::yes);
    trigger("exit");
    EXPECT_EQ(1, program_ends);
}

TEST_F(MenusTest, BlankScreenLocksAndReturnsToTheSamePlace) {
    for (int s = 1; s < 40; ++s) {
        add_student(s, "First", "Last", std::to_string(s));
    }
    password = "secret";
    Form1& gradebook = open_gradebook();
    control<QScrollBar>(QStringLiteral("VScroll1")).setValue(25);
    click(QStringLiteral("text3(3)"));
    click(QStringLiteral("Label21(2)"));
    EXPECT_FALSE(gradebook.isVisible());
    EXPECT_TRUE(console_locked);

    QWidget* logon = shown_window("Form7");
    ASSERT_NE(nullptr, logon);
    auto* entry = logon->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClicks(entry, QStringLiteral("secret"));
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_TRUE(gradebook.isVisible());
    EXPECT_FALSE(console_locked);
    EXPECT_EQ(25, control<QScrollBar>(QStringLiteral("VScroll1")).value());
    EXPECT_EQ(28, selected_student);
}

TEST_F(MenusTest, HelpEntriesShowTheirMessagesInOrderAndPrioritySupportItsPage) {
    Form1& gradebook = open_gradebook();
    for (const HelpEntry& entry : help_entries()) {
        for (std::string_view message : entry.messages) {
            dialogs.expect_message(ui::to_qstring(message), ui::Answer::ok, ui::Icon::information);
        }
        trigger(std::string{entry.name}.c_str());
        dialogs.verify();
    }
    dialogs.expect_message(QStringLiteral("Quillmark v3.5"), ui::Answer::ok, ui::Icon::none);
    trigger("about");

    click(QStringLiteral("Image2(3)"));
    click(QStringLiteral("Label21(3)"));
    const QUrl page = QUrl::fromLocalFile(QString::fromStdString(resource_file("support.html")));
    EXPECT_EQ((QList<QUrl>{page, page}), dialogs.opened_urls());
    EXPECT_TRUE(gradebook.isVisible());
}

} // namespace
} // namespace quillmark::testing
