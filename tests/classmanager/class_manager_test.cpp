#include "classdata/class_data.h"
#include "classmanager/class_manager.h"
#include "gradebook/gradebook_window.h"
#include "support/dialog_script.h"
#include "ui/image_button.h"
#include "ui/program_end.h"

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
using Names = std::vector<std::string>;

const QString create_prompt =
    QStringLiteral("     Please enter a name for your new class. (Example: 'English - Period 1')");
const QString instructor_prompt =
    QStringLiteral("     Please enter your name as you would like it to appear on reports for "
                   "this class. You can modify this at a later time.");

// The worked example of a class file: one student, one quiz.
constexpr std::string_view one_student_class =
    "bpp992\r\nT. Sample\r\nepp999\r\nbsd000\r\n 0 \r\nAnn\r\nSample\r\n1001\r\n555-0100\r\n"
    "12 Elm St\r\n\r\nbsb001\r\n 0 \r\n 18 \r\nesb001\r\nesd000\r\nbad002\r\n 0 \r\nQuiz 1\r\n"
    "\r\n 20 \r\nead002\r\nbgs003\r\nFalse\r\nFalse\r\n 0 \r\n 90 \r\n 0 \r\n 0 \r\n 80 \r\n"
    " 0 \r\n 0 \r\n 70 \r\n 0 \r\n 0 \r\n 60 \r\n 0 \r\negs003\r\n";

class ClassManagerTest : public testing::GuiFixture {
protected:
    Form4& class_manager() {
        window_ = new Form4;
        window_->load();
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

    void select(const QString& name, bool double_click = false) const {
        auto* list = window_->findChild<QListWidget*>(QStringLiteral("File1"));
        const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(1, items.size()) << name.toStdString();
        const QPoint where = list->visualItemRect(items.front()).center();
        if (double_click) {
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
        }
    }

    static void move_mouse(QWidget* widget, QPoint where) {
        QMouseEvent move{QEvent::MouseMove, QPointF{where}, widget->mapToGlobal(QPointF{where}),
                         Qt::NoButton,      Qt::NoButton,   Qt::NoModifier};
        QApplication::sendEvent(widget, &move);
    }

    static Form1* gradebook() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<Form1*>(window)) {
                return form;
            }
        }
        return nullptr;
    }

    // The class manager closes itself once a class is open.
    bool closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window_.isNull();
    }

    QPointer<Form4> window_;
};

TEST_F(ClassManagerTest, ANewClassOpensEmptyWithTheInstructorTyped) {
    write_file("Algebra.cls", one_student_class);
    class_manager();
    dialogs.expect_input(create_prompt, QStringLiteral("Period 1"), QString{})
        .expect_input(instructor_prompt, QStringLiteral("Ms. R. Alvarez"), QString{});
    click("Image6");
    EXPECT_EQ((Names{"Algebra.cls", "Period 1.cls"}), listed());
    EXPECT_EQ("", read_file("Period 1.cls"));

    students[4].id_number = "left over";
    asg_points[0] = 5;
    select(QStringLiteral("Period 1.cls"));
    click("Image5");

    ASSERT_NE(nullptr, gradebook());
    EXPECT_EQ(QStringLiteral("Quillmark - [Period 1.cls]"), gradebook()->windowTitle());
    EXPECT_EQ("Period 1.cls", class_file);
    EXPECT_EQ("Ms. R. Alvarez", instructor);
    EXPECT_EQ("", students[4].id_number);
    EXPECT_EQ(100, asg_points[0]);
    EXPECT_EQ(90, grade_scale[1]);
    EXPECT_TRUE(closed());
}

TEST_F(ClassManagerTest, ADoubleClickOpensASavedClass) {
    write_file("Period 1.cls", one_student_class);
    class_manager();
    select(QStringLiteral("Period 1.cls"), true);

    ASSERT_NE(nullptr, gradebook());
    EXPECT_EQ("T. Sample", instructor);
    EXPECT_EQ("Ann", students[0].first_name);
    EXPECT_EQ(18, students[0].scores[0]);
    EXPECT_EQ(20, asg_points[0]);
    EXPECT_TRUE(closed());
}

TEST_F(ClassManagerTest, AnUnreadableClassIsReportedAndNothingOpens) {
    write_file("Broken.cls", "bpp992\r\nT. Sample\r\nepp999\r\nbsd000\r\n 301 \r\n");
    instructor = "Ms. R. Alvarez";
    class_manager();
    select(QStringLiteral("Broken.cls"));
    dialogs.expect_message_starting(QStringLiteral("Could not read \"Broken.cls\""), Answer::ok,
                                    Icon::error);
    click("Image5");

    EXPECT_EQ(nullptr, gradebook());
    EXPECT_FALSE(closed());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ("Ms. R. Alvarez", instructor);
    EXPECT_EQ("", class_file);
}

TEST_F(ClassManagerTest, CommandsOnAClassNeedOneSelected) {
    write_file("Period 1.cls", "");
    class_manager();
    for (const char* button : {"Image5", "Image3", "Image4"}) {
        dialogs.expect_message(QStringLiteral("No class selected."), Answer::ok, Icon::error);
        click(button);
    }
    EXPECT_EQ(nullptr, gradebook());
    EXPECT_EQ((Names{"Period 1.cls"}), listed());
}

TEST_F(ClassManagerTest, CreateNeedsBothAnswersAndANewUsableName) {
    write_file("Period 1.cls", "kept");
    instructor = "Mr. J. Park";
    class_manager();
    dialogs.expect_input(create_prompt, QString{});
    click("Image6");
    dialogs.expect_input(create_prompt, QStringLiteral("Period 2"))
        .expect_input(instructor_prompt, QString{});
    click("Image6");
    dialogs.expect_input(create_prompt, QStringLiteral("period 1"))
        .expect_input(instructor_prompt, QStringLiteral("Ms. R. Alvarez"))
        .expect_message(QStringLiteral("A class named \"period 1\" already exists."), Answer::ok,
                        Icon::error);
    click("Image6");
    dialogs.expect_input(create_prompt, QStringLiteral("a/b"))
        .expect_input(instructor_prompt, QStringLiteral("Ms. R. Alvarez"))
        .expect_message(QStringLiteral("\"a/b\" cannot be used as a class name."), Answer::ok,
                        Icon::error);
    click("Image6");

    EXPECT_EQ((Names{"Period 1.cls"}), listed());
    EXPECT_EQ("kept", read_file("Period 1.cls"));
    EXPECT_EQ("Mr. J. Park", instructor);
}

TEST_F(ClassManagerTest, DeleteAsksFirst) {
    write_file("Period 1.cls", "kept");
    write_file("Period 2.cls", "");
    class_manager();
    select(QStringLiteral("Period 1.cls"));
    dialogs.expect_message(QStringLiteral("Are you sure?"), Answer::no, Icon::none);
    click("Image3");
    EXPECT_EQ("kept", read_file("Period 1.cls"));

    dialogs.expect_message(QStringLiteral("Are you sure?"), Answer::yes, Icon::none);
    click("Image3");
    EXPECT_FALSE(file_exists("Period 1.cls"));
    EXPECT_EQ((Names{"Period 2.cls"}), listed());
}

TEST_F(ClassManagerTest, RenameOffersTheNameAndAddsTheClassEnding) {
    write_file("Period 1.cls", "one");
    write_file("Algebra.cls", "algebra");
    class_manager();
    select(QStringLiteral("Period 1.cls"));
    dialogs.expect_input(QStringLiteral("Rename Class?"), QStringLiteral("Period 2"),
                         QStringLiteral("Period 1.cls"));
    click("Image4");
    EXPECT_EQ((Names{"Algebra.cls", "Period 2.cls"}), listed());
    EXPECT_EQ("one", read_file("Period 2.cls"));

    select(QStringLiteral("Period 2.cls"));
    dialogs.expect_input(QStringLiteral("Rename Class?"), QStringLiteral("Period 2.cls"),
                         QStringLiteral("Period 2.cls"));
    click("Image4");
    select(QStringLiteral("Period 2.cls"));
    dialogs.expect_input(QStringLiteral("Rename Class?"), QString{});
    click("Image4");
    select(QStringLiteral("Period 2.cls"));
    dialogs.expect_input(QStringLiteral("Rename Class?"), QStringLiteral("algebra"))
        .expect_message(QStringLiteral("A class named \"algebra\" already exists."), Answer::ok,
                        Icon::error);
    click("Image4");

    EXPECT_EQ((Names{"Algebra.cls", "Period 2.cls"}), listed());
    EXPECT_EQ("algebra", read_file("Algebra.cls"));
}

TEST_F(ClassManagerTest, CaptionsFollowTheMouseAndBackupAndRestoreWait) {
    // One white pixel.
    static constexpr char pixel_gif[] =
        "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00,"
        "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
        "D\x01\x00;";
    write_file("books.gif", std::string_view{pixel_gif, sizeof pixel_gif - 1});
    Form4& form = class_manager();
    auto* label = form.findChild<QLabel*>(QStringLiteral("Label1"));
    EXPECT_EQ(QString{}, label->text());
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("Image8"))->pixmap().isNull());

    const std::pair<const char*, const char*> captions[] = {
        {"Image5", "Open Existing Class..."},
        {"Image6", "Create New Class..."},
        {"Image3", "Delete Class..."},
        {"Image4", "Rename Class..."},
        {"Image1", "Backup Classes to floppy disk..."},
        {"Image7", "Restore Classes from Backup..."},
        {"Image2", "Quit Quillmark"}};
    for (const auto& [button, caption] : captions) {
        auto* image = form.findChild<ui::ImageButton*>(QString::fromLatin1(button));
        move_mouse(image, image->rect().center());
        EXPECT_EQ(QString::fromLatin1(caption), label->text()) << button;
        move_mouse(&form, QPoint{2, 2});
        EXPECT_EQ(QString{}, label->text()) << button;
    }
    click("Image1");
    click("Image7");
    EXPECT_TRUE(form.isVisible());
}

TEST_F(ClassManagerTest, QuitEndsTheProgram) {
    bool ended = false;
    ui::set_program_end_handler([&ended] { ended = true; });
    class_manager();
    EXPECT_TRUE(window_->findChild<QLabel*>(QStringLiteral("Image8"))->pixmap().isNull());
    click("Image2");
    ui::set_program_end_handler({});

    EXPECT_TRUE(ended);
    EXPECT_TRUE(closed());
}

} // namespace
} // namespace quillmark
