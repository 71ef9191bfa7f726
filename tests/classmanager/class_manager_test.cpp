#include "app/navigator.h"
#include "classdata/class_data.h"
#include "classmanager/class_manager.h"
#include "support/dialog_script.h"
#include "ui/image_button.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <iterator>

#include <QListWidget>
#include <QPointer>
#include <QTest>

namespace quillmark {
namespace {

using ui::Answer;
using ui::Icon;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class ClassManagerTest : public testing::GuiFixture {
protected:
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

    void select(const char* name) const {
        auto* list = window_->findChild<QListWidget*>(QStringLiteral("File1"));
        const QList<QListWidgetItem*> items =
            list->findItems(QString::fromLatin1(name), Qt::MatchExactly);
        ASSERT_EQ(1, items.size()) << name;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.front()).center());
    }

    QPointer<Form4> window_;
};

TEST_F(ClassManagerTest, ClassesAreCreatedDeletedRenamedBackedUpRestoredThenOneOpensInItsPlace) {
    // Beside the program folder: a disk inside it would hold the classes themselves.
    const fs::path drive = folder().string() + "-drive";
    fs::create_directory(drive);
    ::setenv("QUILLMARK_BACKUP_DIR", drive.c_str(), 1);
    write_file("Algebra.cls", "algebra");
    write_file("Period 3.cls", "three");
    write_file("qmk.dat", "mine\r\n");
    window_ = &show_class_manager();
    dialogs
        .expect_input(QStringLiteral("     Please enter a name for your new class. (Example: "
                                     "'English - Period 1')"),
                      QStringLiteral("Period 1"), QString{})
        .expect_input(QStringLiteral("     Please enter your name as you would like it to appear "
                                     "on reports for this class. You can modify this at a later "
                                     "time."),
                      QStringLiteral("Ms. R. Alvarez"), QString{});
    click("Image6");
    EXPECT_EQ((Names{"Algebra.cls", "Period 1.cls", "Period 3.cls"}), listed());

    select("Period 3.cls");
    dialogs.expect_message(QStringLiteral("Are you sure?"), Answer::yes, Icon::none);
    click("Image3");

    select("Algebra.cls");
    dialogs.expect_input(QStringLiteral("Rename Class?"), QStringLiteral("Period 2"),
                         QStringLiteral("Algebra.cls"));
    click("Image4");
    EXPECT_EQ((Names{"Period 1.cls", "Period 2.cls"}), listed());

    // Only the listed classes are backed up, never the password.
    dialogs.expect_message(QStringLiteral("Backup all classes to floppy disk?"), Answer::yes)
        .expect_message(
            QStringLiteral("Please place a blank floppy disk in drive A: and click 'OK'"),
            Answer::ok, Icon::none)
        .expect_message(QStringLiteral("Backup was successful."), Answer::ok, Icon::none);
    click("Image1");
    EXPECT_EQ(2, std::distance(fs::directory_iterator{drive}, {}));
    EXPECT_FALSE(fs::exists(drive / "qmk.dat"));

    write_file("Period 2.cls", "local");
    fs::remove(folder() / "Period 1.cls");
    dialogs.expect_message(QStringLiteral("Retrieve all classes from floppy disk?"), Answer::yes)
        .expect_message(QStringLiteral("Restore was successful."), Answer::ok, Icon::none);
    click("Image7");
    EXPECT_EQ((Names{"Period 1.cls", "Period 2.cls"}), listed());
    EXPECT_EQ("algebra", read_file("Period 2.cls"));
    ::unsetenv("QUILLMARK_BACKUP_DIR");
    fs::remove_all(drive);

    select("Period 1.cls");
    click("Image5");
    const QWidget* gradebook = testing::shown_window("Form1");
    ASSERT_NE(nullptr, gradebook);
    EXPECT_EQ(QStringLiteral("Quillmark - [Period 1.cls]"), gradebook->windowTitle());
    EXPECT_EQ("Ms. R. Alvarez", instructor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window_.isNull());
}

} // namespace
} // namespace quillmark
