#include "classdata/class_data.h"
#include "classdata/resources.h"
#include "grid_fixture.h"
#include "ui/program_end.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QUrl>

namespace quillmark::testing {
namespace {

struct HelpMessages {
    const char* entry;
    QStringList starts;
};

// Every entry of the Help menu above the about box, with how its messages start, in turn.
const HelpMessages help[] = {
    {"hdi",
     {"     In general, Quillmark works like a", "     The first thing you'll need to do is define",
      "     The second thing you'll need to do is enter",
      "     Note that you do not have to add all your",
      "     The next thing to do is enter assignments.",
      "     Note that you can add more assignments or",
      "     You would then be ready to enter student", "     Statistics on individual students,",
      "     By default, the students are listed onscreen",
      "     Quillmark also provides an automatic utility",
      "     Quillmark will automatically save your class",
      "     If you're still unsure on how to use"}},
    {"acwiz", {"     The Auto-Curve wizard allows you to easily"}},
    {"spexp", {"     The seating planner is a simple tool that"}},
    {"bsinfo", {"     The Blank Screen feature, accessible by"}},
    {"hdiexcuse", {"     To excuse a student from a particular"}},
    {"isae",
     {"     The Individual Student Analysis window",
      "     Note: To select a student for analysis,"}},
    {"iaae",
     {"     The Individual Assignment Analysis window",
      "     Note: To select an assignment for analysis,"}},
    {"ocae", {"     The Overall Class Analysis window (white)"}},
};

class MenusTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        instructor = "T. Sample";
        add_student(0, "Ann", "Sample", "1001");
        add_assignment(0, "Quiz 1", 20);
        ui::set_program_end_handler([this] { ++program_ends; });
    }
    void TearDown() override {
        ui::set_program_end_handler(nullptr);
        GridTest::TearDown();
    }

    void trigger(const char* entry) const {
        auto* found = window_->findChild<QAction*>(QString::fromLatin1(entry));
        ASSERT_NE(nullptr, found) << entry;
        found->trigger();
    }

    int program_ends = 0;
};

// The captions of a menu and its submenus, depth first; a submenu's entries follow it indented.
void collect(const QMenu& menu, const QString& indent, QStringList& captions,
             QStringList& shortcuts) {
    for (const QAction* entry : menu.actions()) {
        EXPECT_FALSE(entry->isSeparator()) << menu.title().toStdString();
        captions.append(indent + entry->text());
        if (!entry->shortcut().isEmpty()) {
            shortcuts.append(entry->objectName() + " " + entry->shortcut().toString());
        }
        if (entry->menu() != nullptr) {
            collect(*entry->menu(), indent + "  ", captions, shortcuts);
        }
    }
}

TEST_F(MenusTest, TheMenuBarHoldsTheWholeTreeWithTwoShortcuts) {
    open_gradebook();
    QStringList captions;
    QStringList shortcuts;
    for (const QAction* menu : window_->findChild<QMenuBar*>()->actions()) {
        captions.append(menu->text());
        collect(*menu->menu(), "  ", captions, shortcuts);
    }
    EXPECT_EQ((QStringList{"File",
                           "  Print Report(s)",
                           "    Overall Class Analysis",
                           "    Individual Assignment Analysis",
                           "    Individual Student Analysis",
                           "  Return to Class Manager...",
                           "  Exit",
                           "Setup",
                           "  Change Instructor Name...",
                           "  Change Password...",
                           "  Define Grading Scale...",
                           "Help",
                           "  Quillmark Tutorial",
                           "  Auto-Curve Wizard",
                           "  Seat Planner",
                           "  Blank Screen",
                           "  How do I excuse a student from an assignment?",
                           "  Explanation of Individual Student Analysis",
                           "  Explanation of Individual Assignment Analysis",
                           "  Explanation of Overall Class Analysis",
                           "  About Quillmark..."}),
              captions);
    EXPECT_EQ((QStringList{"saveclass Ctrl+M", "exit Ctrl+E"}), shortcuts);
}

TEST_F(MenusTest, ShortcutsReachTheMenuFromAScoreBoxAndSaveWhatWasTyped) {
    open_gradebook();
    QLineEdit& box = score_box(0);
    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::keyClicks(&box, QStringLiteral("17"));
    QTest::keyClick(&box, Qt::Key_M, Qt::ControlModifier);
    EXPECT_NE(nullptr, shown_window("Form4"));
    EXPECT_EQ(nullptr, shown_window("Form1"));
    EXPECT_NE(std::string::npos, read_file("Algebra.cls").find("\r\n 17 \r\n"));
    EXPECT_EQ(0, program_ends);

    open_gradebook();
    QTest::mouseClick(&score_box(0), Qt::LeftButton);
    QTest::keyClick(&score_box(0), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(nullptr, shown_window("Form1"));
    EXPECT_EQ(1, program_ends);
}

TEST_F(MenusTest, InstructorNameChangesOnlyForAnAnswer) {
    open_gradebook();
    const QString prompt = QStringLiteral(
        "     Please enter your name as you would like it to appear on reports for this class:");
    dialogs.expect_input(prompt, QStringLiteral("Ms. R. Alvarez"), QStringLiteral("T. Sample"));
    trigger("chinstruct");
    EXPECT_EQ("Ms. R. Alvarez", instructor);

    // Cancel answers with the empty text.
    dialogs.expect_input(prompt, QString{}, QStringLiteral("Ms. R. Alvarez"));
    trigger("chinstruct");
    EXPECT_EQ("Ms. R. Alvarez", instructor);
}

TEST_F(MenusTest, HelpEntriesShowTheirMessagesInOrderAndTheAboutBox) {
    Form1& gradebook = open_gradebook();
    for (const HelpMessages& entry : help) {
        for (const QString& start : entry.starts) {
            dialogs.expect_message_starting(start, ui::Answer::ok, ui::Icon::information);
        }
        trigger(entry.entry);
        dialogs.verify();
    }
    dialogs.expect_message(QStringLiteral("Quillmark v3.5"), ui::Answer::ok, ui::Icon::none);
    trigger("about");
    EXPECT_TRUE(gradebook.isVisible());
}

TEST_F(MenusTest, PrioritySupportOpensTheShippedPageFromItsIconOrCaption) {
    Form1& gradebook = open_gradebook();
    QTest::mouseClick(&control<QWidget>(QStringLiteral("Image2(3)")), Qt::LeftButton);
    QTest::mouseClick(&control<QWidget>(QStringLiteral("Label21(3)")), Qt::LeftButton);
    const QUrl page = QUrl::fromLocalFile(QString::fromStdString(resource_file("support.html")));
    EXPECT_EQ((QList<QUrl>{page, page}), dialogs.opened_urls());
    EXPECT_TRUE(gradebook.isVisible());
}

} // namespace
} // namespace quillmark::testing
