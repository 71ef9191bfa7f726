#include "app/navigator.h"
#include "classdata/class_data.h"
#include "classmanager/class_manager.h"
#include "gradebook/gradebook_window.h"
#include "support/dialog_script.h"
#include "ui/image_button.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

namespace quillmark {
namespace {

using ui::Answer;
using ui::Icon;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const QString create_prompt =
    QStringLiteral("     Please enter a name for your new class. (Example: 'English - Period 1')");
const QString instructor_prompt =
    QStringLiteral("     Please enter your name as you would like it to appear on reports for "
                   "this class. You can modify this at a later time.");

class ClassManagerTest : public testing::GuiFixture {
protected:
    Form4& class_manager() {
        window_ = &show_class_manager();
        return *window_;
    }

    Names listed() const {
        Names names;
        const auto* list = window_->findChild<QListWidget*>(QStringLiteral("File1"));
        for (int row = 0; row < list->count(); ++row) {
            names.push_back(list->item(row)->text().toStdString());
        }
        return names;
    }

    void click(const char* button) const {
        QTest::mouseClick(window_->findChild<ui::ImageButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }

    void select(const char* name, bool double_click = false) const {
        auto* list = window_->findChild<QListWidget*>(QStringLiteral("File1"));
        const QList<QListWidgetItem*> items =
            list->findItems(QString::fromLatin1(name), Qt::MatchExactly);
        ASSERT_EQ(1, items.size()) << name;
        const QPoint where = list->visualItemRect(items.front()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
        if (double_click) {
            // A double click as the system delivers it: the second press comes as a double click.
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, where);
        }
    }

    // The class manager closes itself once a class is open.
    bool closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window_.isNull();
    }

    QPointer<Form4> window_;
};

TEST_F(ClassManagerTest, ClassesAreCreatedDeletedRenamedAndOpened) {
    write_file("Algebra.cls", "algebra");
    write_file("Period 3.cls", "three");
    class_manager();
    dialogs.expect_input(create_prompt, QStringLiteral("Period 1"), QString{})
        .expect_input(instructor_prompt, QStringLiteral("Ms. R. Alvarez"), QString{});
    click("Image6");
    EXPECT_EQ((Names{"Algebra.cls", "Period 1.cls", "Period 3.cls"}), listed());

    select("Period 3.cls");
    dialogs.expect_message(QStringLiteral("Are you sure?"), Answer::no, Icon::none);
    click("Image3");
    EXPECT_EQ("three", read_file("Period 3.cls"));
    dialogs.expect_message(QStringLiteral("Are you sure?"), Answer::yes, Icon::none);
    click("Image3");

    select("Algebra.cls");
    dialogs.expect_input(QStringLiteral("Rename Class?"), QStringLiteral("Period 2"),
                         QStringLiteral("Algebra.cls"));
    click("Image4");
    EXPECT_EQ((Names{"Period 1.cls", "Period 2.cls"}), listed());

    select("Period 1.cls", true);
    const QWidget* gradebook = testing::shown_window("Form1");
    ASSERT_NE(nullptr, gradebook);
    EXPECT_EQ(QStringLiteral("Quillmark - [Period 1.cls]"), gradebook->windowTitle());
    EXPECT_EQ("Ms. R. Alvarez", instructor);
    EXPECT_TRUE(closed());
}

// The core's refusals are shown and the window stays, a name the class file cannot store is
// asked for again, and a cancel at either prompt stops.
TEST_F(ClassManagerTest, RefusalsAndCancelsLeaveTheClassesAsTheyWere) {
    write_file("Period 1.cls", "");
    write_file("Algebra.cls", "bpp992\r\nT. Sample\r\nepp999\r\nbsd000\r\n 301 \r\n");
    instructor = "Mr. J. Park";
    class_manager();
    for (const char* button : {"Image5", "Image3", "Image4"}) {
        dialogs.expect_message(QStringLiteral("No class selected."), Answer::ok, Icon::error);
        click(button);
    }
    select("Algebra.cls");
    dialogs.expect_message_starting(QStringLiteral("Could not read \"Algebra.cls\""), Answer::ok,
                                    Icon::error);
    click("Image5");
    const QString lodz = QStringLiteral("\u0141\u00f3d\u017a");
    const QString cannot_store =
        QStringLiteral("The class file cannot store the characters \"\u0141\u017a\". Please type "
                       "them without accents or other marks.");
    dialogs.expect_input(create_prompt, lodz)
        .expect_message(cannot_store)
        .expect_input(create_prompt, QString{}, lodz);
    click("Image6");
    dialogs.expect_input(create_prompt, QStringLiteral("Period 3"))
        .expect_input(instructor_prompt, lodz)
        .expect_message(cannot_store)
        .expect_input(instructor_prompt, QString{}, lodz);
    click("Image6");
    dialogs.expect_input(create_prompt, QStringLiteral("period 1"))
        .expect_input(instructor_prompt, QStringLiteral("Ms. R. Alvarez"))
        .expect_message(QStringLiteral("A class named \"period 1\" already exists."), Answer::ok,
                        Icon::error);
    click("Image6");
    select("Algebra.cls");
    dialogs.expect_input(QStringLiteral("Rename Class?"), lodz)
        .expect_message(cannot_store)
        .expect_input(QStringLiteral("Rename Class?"), QString{}, lodz);
    click("Image4");
    EXPECT_EQ(nullptr, testing::shown_window("Form1"));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ((Names{"Algebra.cls", "Period 1.cls"}), listed());
    EXPECT_EQ("Mr. J. Park", instructor);
}

TEST_F(ClassManagerTest, CaptionsFollowTheMouse) {
    Form4& form = class_manager();
    auto* label = form.findChild<QLabel*>(QStringLiteral("Label1"));
    EXPECT_FALSE(label->font().bold());
    const auto move_mouse = [](QWidget* widget, QPoint where) {
        QMouseEvent move{QEvent::MouseMove, QPointF{where}, widget->mapToGlobal(QPointF{where}),
                         Qt::NoButton,      Qt::NoButton,   Qt::NoModifier};
        QApplication::sendEvent(widget, &move);
    };
    auto* image = form.findChild<ui::ImageButton*>(QStringLiteral("Image5"));
    move_mouse(image, image->rect().center());
    EXPECT_EQ(QStringLiteral("Open Existing Class..."), label->text());
    move_mouse(&form, QPoint{2, 2});
    EXPECT_EQ(QString{}, label->text());
}

// One set of our own: each button its own picture, all of one size, drawn for the display scale
// of the screen they are on.
TEST_F(ClassManagerTest, TheButtonsAndTheToolboxShowElevenPicturesOfOneSetAndSize) {
    std::vector<ui::ImageButton*> buttons;
    Form4& form = class_manager();
    for (const char* name :
         {"Image5", "Image6", "Image3", "Image4", "Image1", "Image7", "Image2"}) {
        buttons.push_back(form.findChild<ui::ImageButton*>(QString::fromLatin1(name)));
    }
    Form1& gradebook = show_gradebook();
    for (const char* name : {"Image2(0)", "Image2(1)", "Image2(2)", "Image2(3)"}) {
        buttons.push_back(gradebook.findChild<ui::ImageButton*>(QString::fromLatin1(name)));
    }
    std::vector<QImage> pictures;
    for (const ui::ImageButton* button : buttons) {
        ASSERT_NE(nullptr, button);
        SCOPED_TRACE(button->objectName().toStdString());
        const QPixmap picture = button->pixmap();
        EXPECT_EQ(QSizeF(32, 32), picture.deviceIndependentSize());
        EXPECT_EQ(button->devicePixelRatioF(), picture.devicePixelRatio());
        EXPECT_EQ(0, std::ranges::count(pictures, picture.toImage()));
        pictures.push_back(picture.toImage());
    }
}

// Answers as the script says, noting what File1 lists whenever a message box comes up.
struct ListWatcher : testing::DialogScript {
    ui::Answer message(const QString& text, Icon icon, ui::Buttons buttons) override {
        seen.push_back(listed());
        return DialogScript::message(text, icon, buttons);
    }
    std::function<Names()> listed;
    std::vector<Names> seen;
};

class BackupRestoreTest : public ClassManagerTest {
protected:
    void SetUp() override {
        ClassManagerTest::SetUp();
        // Beside the program folder: a disk inside it would hold the classes themselves.
        drive_ = folder().string() + "-drive";
        fs::create_directory(drive_);
        ::setenv("QUILLMARK_BACKUP_DIR", drive_.c_str(), 1);
        disk.listed = [this] { return listed(); };
    }
    void TearDown() override {
        disk.verify();
        ::unsetenv("QUILLMARK_BACKUP_DIR");
        fs::remove_all(drive_);
        ClassManagerTest::TearDown();
    }

    Names on_disk() const {
        Names names;
        for (const auto& entry : fs::directory_iterator{drive_}) {
            names.push_back(entry.path().filename().string());
        }
        std::ranges::sort(names);
        return names;
    }

    // Answers yes to both questions of a backup and expects the outcome.
    void back_up(const QString& outcome, Icon icon) {
        disk.expect_message(QStringLiteral("Backup all classes to floppy disk?"), Answer::yes)
            .expect_message(
                QStringLiteral("Please place a blank floppy disk in drive A: and click 'OK'"),
                Answer::ok, Icon::none)
            .expect_message(outcome, Answer::ok, icon);
        click("Image1");
    }

    fs::path drive_;
    // Constructed after the fixture's own script, so it answers every box instead.
    ListWatcher disk;
};

// The rules of what is copied, and why not, are the core's: the window asks first, shows the
// outcome and lists the program folder again; a restore asks with the disk's classes in view.
TEST_F(BackupRestoreTest, BothAskFirstThenCopyAndShowTheOutcome) {
    const QString restore_question = QStringLiteral("Retrieve all classes from floppy disk?");
    class_manager();
    disk.expect_message(QStringLiteral("No files to backup."), Answer::ok, Icon::error);
    click("Image1");
    disk.expect_message(QStringLiteral("No files to restore."), Answer::ok, Icon::error);
    click("Image7");
    EXPECT_EQ(Names{}, disk.seen.back());

    write_file("A.cls", "a");
    write_file("B.web", "b");
    write_file("qmk.dat", "mine\r\n");
    class_manager();
    disk.expect_message(QStringLiteral("Backup all classes to floppy disk?"), Answer::no,
                        Icon::none);
    click("Image1");
    EXPECT_EQ(Names{}, on_disk());
    // Only the listed classes: never the password.
    back_up(QStringLiteral("Backup was successful."), Icon::none);
    EXPECT_EQ((Names{"A.cls", "B.web"}), on_disk());
    fs::permissions(drive_ / "B.web", fs::perms::owner_read);
    back_up(QStringLiteral("Backup stopped: could not copy \"B.web\": the file is read-only."),
            Icon::error);

    write_file("A.cls", "local a");
    fs::remove(folder() / "B.web");
    std::ofstream{drive_ / "qmk.dat"} << "theirs\r\n";
    disk.expect_message(restore_question, Answer::no, Icon::none);
    click("Image7");
    EXPECT_EQ((Names{"A.cls", "B.web"}), disk.seen.back());
    EXPECT_EQ(Names{"A.cls"}, listed());
    EXPECT_EQ("local a", read_file("A.cls"));
    disk.expect_message(restore_question, Answer::yes)
        .expect_message(QStringLiteral("Restore was successful."), Answer::ok, Icon::none);
    click("Image7");
    EXPECT_EQ((Names{"A.cls", "B.web"}), listed());
    EXPECT_EQ("a", read_file("A.cls"));
    EXPECT_EQ("mine\r\n", read_file("qmk.dat"));

    ::setenv("QUILLMARK_BACKUP_DIR", "/nonexistent/quillmark", 1);
    const QString unplugged = QStringLiteral("The backup folder \"/nonexistent/quillmark\" named "
                                             "by QUILLMARK_BACKUP_DIR does not exist.");
    back_up(unplugged, Icon::error);
    disk.expect_message(unplugged, Answer::ok, Icon::error);
    click("Image7");
    EXPECT_EQ((Names{"A.cls", "B.web"}), listed());
}

} // namespace
} // namespace quillmark
