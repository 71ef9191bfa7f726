#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/resources.h"
#include "grid_fixture.h"

#include <filesystem>
#include <sstream>

#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

namespace quillmark::testing {
namespace {

struct HelpMessages {
    const char* entry;
    QStringList messages;
};

// Every entry of the Help menu above the about box, with its messages in turn, whole.
const HelpMessages help[] = {
    {"hdi",
     {QStringLiteral(
          "     In general, Quillmark works like a spreadsheet. The orange boxes above the white "
          "grid store the titles of the assignments in your class. The blue rectangles to the left "
          "of the white grid store the names of the students in your class. The white grid itself "
          "stores student scores. Click 'OK' to continue."),
      QStringLiteral(
          "     The first thing you'll need to do is define the grading scale. By default, it is "
          "set as follows: 100 - 90 (A), 89 - 80 (B), 79 - 70 (C), 69 - 60 (D), 59 - 0 (F). If "
          "your school uses a different scale, select 'Define Grading Scale...' from the Setup "
          "menu and modify it as necessary. Click 'OK' to continue."),
      QStringLiteral("     The second thing you'll need to do is enter students into your class. "
                     "To enter a student, double-click one of the blue rectangles to the left of "
                     "the white grid. A window will appear asking for the student's first name, "
                     "last name, and an identification number. Type in each of these items. The "
                     "identification number can be any combination of numbers and letters. Many "
                     "instructors use social security numbers here. You may also use the "
                     "telephone, address, and notes fields if you wish. Click 'OK' to continue."),
      QStringLiteral(
          "     Note that you do not have to add all your students before proceeding. You can add "
          "more students (up to 300) or delete existing ones at any time. Click 'OK' to continue."),
      QStringLiteral(
          "     The next thing to do is enter assignments. Double-click one of the orange boxes "
          "above the white grid. A window will appear asking you to enter a title for the "
          "assignment and how many points it is worth. You may also use the notes field to "
          "describe an assignment in further detail if you wish. Click 'OK' to continue."),
      QStringLiteral(
          "     Note that you can add more assignments or delete existing ones at any time. "
          "Quillmark will accomodate up to 200 assignments per class. Click 'OK' to continue."),
      QStringLiteral(
          "     You would then be ready to enter student scores. Click a rectangle in the white "
          "grid that corresponds to a student and an assignment. Then type in the amount of points "
          "that student received. The orange rectangle immediately above each column in the white "
          "grid displays how many points an assignment is worth. Click 'OK' to continue."),
      QStringLiteral(
          "     Statistics on individual students, individual assignments, and the whole class "
          "will automatically be calculated. For more information on these statistics, select the "
          "'Explanation of...' items on the help menu. Click 'OK' to continue."),
      QStringLiteral(
          "     By default, the students are listed onscreen and printed in the order you enter "
          "them. However, if you click 'A to Z' or '1...N' (above the blue student boxes on the "
          "main screen) you can re-order the students alphabetically (by last name) or by class "
          "rank (ascending). Note that these sorts are only performed at the instant you activate "
          "them; if you add more students or assignments you'll need to run whichever sort you're "
          "using again to keep everything in exact order. Click 'OK' to continue."),
      QStringLiteral("     Quillmark also provides an automatic utility for curving assignments "
                     "and for creating seating charts. Please see the help menu for more "
                     "information. Click 'OK' to continue."),
      QStringLiteral("     Quillmark will automatically save your class to disk as necessary. "
                     "However, it is a good idea to back up your classes to floppy disk "
                     "periodically in case your computer malfunctions. You can do this easily from "
                     "the class manager which appears each time you start Quillmark. (You can also "
                     "bring it up from the file menu.) Simply click on the button that reads "
                     "'Backup Classes' and have a floppy disk handy. Click 'OK' to continue."),
      QStringLiteral("     If you're still unsure on how to use Quillmark, you should look at the "
                     "sample class file. To do this, select 'Go to Class Manager...' from the file "
                     "menu, highlight 'Sample.cls' in the window that appears, and click 'Open "
                     "Class'. Click 'OK' to conclude the tutorial.")}},
    {"acwiz",
     {QStringLiteral("     The Auto-Curve wizard allows you to easily apply a curve to any "
                     "assignment. To use it, first select an assignment by single-clicking an "
                     "orange assignment box, and then select the Curve Wizard icon in the "
                     "'Toolbox' area. (bottom right of the main screen) More information about the "
                     "available types of curves is provided within the Auto-Curve wizard.")}},
    {"spexp",
     {QStringLiteral(
         "     The seating planner is a simple tool that helps you create a seating chart. To "
         "access it, click the Seating Planner icon (picture of two students) in the 'Toolbox' "
         "area. (bottom right of the main screen) Each white rectangle represents one desk. "
         "Double-click a rectangle to enable / disable it and match the layout of your room. Then, "
         "you can either type in students manually or select an automatic option (either "
         "alphabetical or random) that will fill in the seating chart for you. The seating planner "
         "can be printed by clicking the 'Print Seating Chart' button.")}},
    {"bsinfo",
     {QStringLiteral("     The Blank Screen feature, accessible by clicking the 'Blank Screen' "
                     "icon in the Toolbox area, provides a quick way to secure your gradebook when "
                     "walking away from the computer for a few minutes. Upon returning, all you "
                     "have to do is enter your password. You'll be returned to exactly where you "
                     "left off, whereas if you had completely exited QMK, you'd need to come back "
                     "through the Class Manager, reload a specific class, find your place, etc.")}},
    {"hdiexcuse",
     {QStringLiteral(
         "     To excuse a student from a particular assignment in your gradebook, simply type a "
         "capital 'E' instead of a numerical score in the appropriate location.")}},
    {"isae",
     {QStringLiteral(
          "     The Individual Student Analysis window (light blue) gives an overview of the "
          "selected student's performance. It displays the student's current average and letter "
          "grade. It also displays a small bar graph. Each bar represents 1 assignment. This can "
          "help you spot trends such as improving / degrading performance as a semester "
          "progresses. Selecting 'File->Print Report(s)->Individual Student Analysis' produces a "
          "hard copy of the previous data in addition to a list of assignments with the selected "
          "student's grades. This report is suitable either for your records or distribution to "
          "students and parents."),
      QStringLiteral("     Note: To select a student for analysis, single-click his/her name.")}},
    {"iaae",
     {QStringLiteral(
          "     The Individual Assignment Analysis window (orange) assists in evaluating a class's "
          "performance as a whole on a specific assignment. First, it displays the entire class's "
          "average score on the currently selected assignment. Second, it displays the standard "
          "deviation between the different student scores. This is especially helpful in "
          "determining the validity of an exam. For Example: The average for a particular test "
          "might be 75%. This seems like a reasonable figure. However, suppose the standard "
          "deviation was 25. That would mean around half your students got a 100 and the other "
          "half got a 50. You'd then know something was wrong. The assignment window also displays "
          "a letter grade percentage breakdown. Remember that this is directly based on the "
          "grading scale, (Setup->Define Grading Scale) so make sure it is set properly for your "
          "school. Selecting 'File->Print Report(s)->Individual Assignment Analysis' produces a "
          "hard copy of the previous information."),
      QStringLiteral("     Note: To select an assignment for analysis, single-click its title.")}},
    {"ocae",
     {QStringLiteral(
         "     The Overall Class Analysis window (white) provides general information relevant to "
         "the performance of a class as a whole. This includes the average and standard deviation "
         "of the individual student's averages, and a percentage breakdown of letter grades. "
         "Selecting 'File->Print Report(s)->Overall Class Analysis' produces a hard copy of the "
         "aforementioned information, as well as a copy of your entire class grid. Students are "
         "listed by ID number (instead of last name) on this print-out, so it's suitable for "
         "public posting.")}},
};

const QString save_failed = QStringLiteral("Could not save \"Algebra.cls\": ");

class MenusTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        instructor = "T. Sample";
        add_student(0, "Ann", "Sample", "1001");
        add_assignment(0, "Quiz 1", 20);
        students[0].scores[0] = 18;
    }

    static std::string class_bytes() {
        std::ostringstream bytes;
        write_class(bytes);
        return bytes.str();
    }
    // Every save of the class fails while a folder stands where its file should be.
    void break_saving() const {
        mend_saving();
        std::filesystem::create_directory(folder() / class_file);
    }
    void mend_saving() const { std::filesystem::remove(folder() / class_file); }
};

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

TEST_F(MenusTest, EveryWayOfClosingSavesAndTheShortcutsWorkFromAScoreBox) {
    open_gradebook().close();
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));

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
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));
    EXPECT_EQ(nullptr, shown_window("Form1"));
    EXPECT_EQ(1, program_ends);
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
    dialogs.expect_message_starting(save_failed, ui::Answer::no);
    trigger("saveclass");
    EXPECT_TRUE(gradebook.isVisible());
    EXPECT_EQ(nullptr, shown_window("Form4"));
    EXPECT_EQ(0, program_ends);

    mend_saving();
    gradebook.autosave();
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));

    // A tick that fails after a save succeeded tells once again, and only once.
    break_saving();
    dialogs.expect_message_starting(save_failed, ui::Answer::ok, ui::Icon::error);
    gradebook.autosave();
    gradebook.autosave();
    EXPECT_EQ(QStringLiteral("Quillmark - [Algebra.cls]"), gradebook.windowTitle());

    dialogs.expect_message_starting(save_failed, ui::Answer::yes);
    trigger("exit");
    EXPECT_EQ(1, program_ends);
}

TEST_F(MenusTest, ATickSavesUnderItsOwnTitlesShownOrHidden) {
    Form1& gradebook = open_gradebook();
    QStringList titles;
    QObject::connect(&gradebook, &QWidget::windowTitleChanged,
                     [&titles](const QString& title) { titles.append(title); });
    auto* timer = gradebook.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(nullptr, timer);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(20000, timer->interval());

    students[0].scores[0] = 10;
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ((QStringList{"Autosaving - Please Wait...", "Quillmark - [Algebra.cls]",
                           "Calculating Overall Class Analysis - Please Wait...",
                           "Quillmark - [Algebra.cls]"}),
              titles);
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));
    EXPECT_EQ(QStringLiteral("Average: 50%"), caption(QStringLiteral("Label7")));

    gradebook.hide();
    students[0].scores[0] = 12;
    EXPECT_TRUE(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_NE(std::string::npos, read_file("Algebra.cls").find("\r\n 12 \r\n"));
}

TEST_F(MenusTest, BlankScreenLocksAndReturnsToTheSamePlace) {
    for (int s = 1; s < 40; ++s) {
        add_student(s, "First", "Last", std::to_string(s));
    }
    password = no_password;
    Form1& gradebook = open_gradebook();
    dialogs.expect_message(QStringLiteral("Please set a password (Setup->Change Password...) "
                                          "before using the 'Lock Console' feature."),
                           ui::Answer::ok, ui::Icon::information);
    click(QStringLiteral("Image2(2)"));
    EXPECT_TRUE(gradebook.isVisible());

    password = "secret";
    control<QScrollBar>(QStringLiteral("VScroll1")).setValue(25);
    click(QStringLiteral("text3(3)"));
    ASSERT_EQ(28, selected_student);
    click(QStringLiteral("Label21(2)"));
    EXPECT_FALSE(gradebook.isVisible());
    EXPECT_TRUE(console_locked);
    gradebook.autosave();
    EXPECT_EQ(class_bytes(), read_file("Algebra.cls"));

    QWidget* logon = shown_window("Form7");
    ASSERT_NE(nullptr, logon);
    auto* entry = logon->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClicks(entry, QStringLiteral("secret"));
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_TRUE(gradebook.isVisible());
    EXPECT_FALSE(console_locked);
    EXPECT_EQ(25, top_student);
    EXPECT_EQ(25, control<QScrollBar>(QStringLiteral("VScroll1")).value());
    EXPECT_EQ(28, selected_student);
    EXPECT_EQ(QStringLiteral("Last First"), control<QLineEdit>(QStringLiteral("text3(3)")).text());
}

TEST_F(MenusTest, InstructorNameChangesOnlyForAnAnswerAndChangePasswordAsksAgain) {
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
    // A name the class file cannot store comes back for correction.
    dialogs.expect_input(prompt, QStringLiteral("Ms. \u0141. Alvarez"))
        .expect_message(QStringLiteral("The class file cannot store the characters \"\u0141\". "
                                       "Please type them without accents or other marks."))
        .expect_input(prompt, QStringLiteral("Ms. L. \u00c1lvarez"),
                      QStringLiteral("Ms. \u0141. Alvarez"));
    trigger("chinstruct");
    EXPECT_EQ("Ms. L. \xC1lvarez", instructor);

    dialogs.expect_message(QStringLiteral("Would you like to password protect your class data? If "
                                          "you choose 'No', you may enable this feature at a "
                                          "later time."),
                           ui::Answer::no);
    trigger("changepw");
    EXPECT_EQ("zxqv", password);
}

TEST_F(MenusTest, HelpEntriesShowTheirMessagesInOrderAndPrioritySupportItsPage) {
    Form1& gradebook = open_gradebook();
    for (const HelpMessages& entry : help) {
        for (const QString& message : entry.messages) {
            dialogs.expect_message(message, ui::Answer::ok, ui::Icon::information);
        }
        trigger(entry.entry);
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
