#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "classdata/random_generator.h"
#include "gradebook/class_history.h"
#include "grading/ordering.h"
#include "grid_fixture.h"

#include <functional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QComboBox>
#include <QPlainTextEdit>

namespace quillmark::testing {
namespace {

const QString instructor_prompt = QStringLiteral(
    "     Please enter your name as you would like it to appear on reports for this class:");

// A gradebook over three students and two assignments, with excused marks, its box 0 (Ann Lee
// on "Quiz 3") clicked so that the three panels show figures.
class UndoTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        instructor = "T. Sample";
        add_student(0, "Ann", "Lee", "1001");
        add_student(1, "Bo", "Adams", "1002");
        add_student(2, "Cy", "Zorn", "1003");
        add_assignment(0, "Quiz 3", 20);
        add_assignment(1, "Essay 1", 100);
        students[0].scores = {18, excused};
        students[1].scores = {12, 95};
        students[2].scores = {excused, 70};
        open_gradebook();
        click(QStringLiteral("Text1(0)"));
    }

    // The class file the next tick writes.
    std::string saved() const {
        window_->autosave();
        return read_file("Algebra.cls");
    }
    QAction& entry(const char* name) const { return control<QAction>(QLatin1String{name}); }

    // Every text the window shows (the grid, the panels, the buttons) and what the next tick
    // saves; the panels first refreshed for the selected slots if asked.
    std::pair<QStringList, std::string> state(bool refresh = false) const {
        if (refresh) {
            window_->s_analysis(selected_student);
            window_->a_analysis(selected_assignment);
            window_->c_analysis();
        }
        QStringList texts;
        for (const QWidget* widget : window_->findChildren<QWidget*>()) {
            texts << widget->property("text").toString()
                  << widget->property("plainText").toString();
        }
        return {texts, saved()};
    }

    // Takes the step, which the Edit menu must name so; undoes it, which must show and save the
    // class exactly as before it; and redoes it.
    void check_step(const QString& step, const std::function<void()>& take) {
        const auto before = state(true);
        take();
        // The step's own clicks may have selected other slots for the panels.
        selected_student = 0;
        selected_assignment = 0;
        const auto after = state(true);
        ASSERT_NE(before.second, after.second) << step.toStdString();
        EXPECT_EQ("Undo " + step, entry("undo").text());

        trigger("undo");
        EXPECT_EQ(before, state()) << "undo " << step.toStdString();
        EXPECT_EQ("Redo " + step, entry("redo").text());
        EXPECT_TRUE(entry("redo").isEnabled());

        trigger("redo");
        EXPECT_EQ(after, state()) << "redo " << step.toStdString();
        EXPECT_EQ("Undo " + step, entry("undo").text());
        EXPECT_EQ(QStringLiteral("Redo"), entry("redo").text());
        EXPECT_FALSE(entry("redo").isEnabled());
    }

    static void fill(QWidget& window, const char* box, const QString& text) {
        window.findChild<QLineEdit*>(QLatin1String{box})->setText(text);
    }
    static void press(QWidget& window, const char* button) {
        QTest::mouseClick(window.findChild<QAbstractButton*>(QLatin1String{button}),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A step for the table: an editor opened by a double click, its boxes filled and OK pressed.
    std::function<void()> editing(const char* control_name, const char* window,
                                  std::vector<std::pair<const char*, QString>> boxes) {
        return [=, this] {
            QTest::mouseDClick(&control<QWidget>(QLatin1String{control_name}), Qt::LeftButton);
            QWidget* opened = shown_window(window);
            ASSERT_NE(nullptr, opened);
            for (const auto& [box, text] : boxes) {
                fill(*opened, box, text);
            }
            press(*opened, "Command1");
        };
    }
    // Clicks the box and types over its whole score.
    void type_score(int box, const QString& keys) {
        click(QStringLiteral("Text1(%1)").arg(box));
        score_box(box).selectAll();
        QTest::keyClicks(&score_box(box), keys);
    }
};

// Every change the window makes, taken in turn; the Edit menu names each.
TEST_F(UndoTest, EachChangeIsOneNamedStep) {
    const struct {
        const char* step;
        std::function<void()> take;
    } steps[] = {
        {"Score of Ann Lee on 'Quiz 3'",
         [this] {
             for (const char* keys : {"1", "\b", "E", "\b", "17", "\r"}) {
                 QTest::keyClicks(&score_box(0), QLatin1String{keys});
             }
         }},
        {"New Student Di Park",
         editing("text3(3)", "Form2", {{"Text1", "Di"}, {"Text2", "Park"}, {"text3", "1004"}})},
        {"Edit of Bo Adamson", editing("text3(1)", "Form2", {{"Text2", "Adamson"}})},
        {"Sort by Name", [this] { click(QStringLiteral("Command2")); }},
        // A removal takes the scores with it, the excused mark too.
        {"Removal of Ann Lee",
         editing("text3(1)", "Form2", {{"Text1", {}}, {"Text2", {}}, {"text3", {}}})},
        {"New Assignment 'Lab 2'", editing("Text2(4)", "Form3", {{"Text1", "Lab 2"}})},
        {"Removal of 'Essay 1'", editing("Text2(1)", "Form3", {{"Text1", {}}})},
        {"Curve of 'Quiz 3'",
         [this] {
             click(QStringLiteral("Text2(0)"));
             click(QStringLiteral("Image2(1)"));
             QWidget& wizard = *shown_window("Form5");
             press(wizard, "Option1(0)");
             fill(wizard, "Text1", QStringLiteral("2"));
             dialogs.expect_message(QStringLiteral("Linear Curve applied successfully."));
             press(wizard, "Command1");
         }},
        {"Grading Scale",
         [this] {
             trigger("gradingscale");
             QWidget& dialog = *shown_window("Form6");
             auto* b = dialog.findChild<QComboBox*>(QStringLiteral("Combo1(4)"));
             b->setCurrentIndex(b->findText(QStringLiteral(" 85")));
             press(dialog, "Command1");
         }},
        {"Instructor Name",
         [this] {
             dialogs.expect_input(instructor_prompt, QStringLiteral("Dr. R. Alvarez"));
             trigger("chinstruct");
         }},
    };
    for (const auto& row : steps) {
        SCOPED_TRACE(row.step);
        check_step(QLatin1String{row.step}, row.take);
    }
}

// Ann (slot 0) goes to slot 1 in the alphabetical plan; the steps stored by slot before the plan
// must still take back her own data.
TEST_F(UndoTest, SeatingPlansAreStepsSoTheStepsBeforeThemStayTrue) {
    const auto seat = [this](const char* plan) {
        click(QStringLiteral("Image2(0)"));
        QWidget* planner = shown_window("Form10");
        ASSERT_NE(nullptr, planner);
        QTest::mouseClick(planner->findChild<QWidget*>(QLatin1String{plan}), Qt::LeftButton);
        press(*planner, "Command2");
    };
    const auto check_earlier_step = [&](const std::function<void()>& take) {
        const std::string before = saved();
        take();
        check_step(QStringLiteral("Alphabetical Seating"), [&] { seat("Label4"); });
        trigger("undo");
        trigger("undo");
        EXPECT_EQ(before, saved());
    };
    check_earlier_step([this] { type_score(0, QStringLiteral("9\r")); });
    check_earlier_step(editing("text3(0)", "Form2", {{"Text1", "Anna"}, {"text3", "2001"}}));

    add_student(3, "Di", "Park", "1004");
    random_generator().seed(7);
    seat("Image3");
    EXPECT_EQ(QStringLiteral("Undo Random Seating"), entry("undo").text());
}

TEST_F(UndoTest, ChangesFromAnotherCopyAreOneStepAndEarlierStepsStayTrue) {
    const auto first = state(true);
    type_score(0, QStringLiteral("5"));
    check_step(QStringLiteral("Changes from Another Copy"), [this] {
        // Another copy sorts the class by name, which moves every record, and changes a score.
        const ClassSnapshot mine = capture_class();
        sort_by_name();
        students[2].scores[1] = 50;
        write_file("Algebra.cls", class_file_text());
        restore_class(mine);
        window_->autosave();
        EXPECT_EQ("Adams Lee Zorn", students[0].last_name + " " + students[1].last_name + " " +
                                        students[2].last_name);
        EXPECT_EQ(5, students[1].scores[0]);
        EXPECT_EQ(50, students[2].scores[1]);
    });
    trigger("undo");
    trigger("undo");
    EXPECT_EQ(first, state());
}

} // namespace
} // namespace quillmark::testing
