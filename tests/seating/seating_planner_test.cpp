#include "grading/window_fixture.h"
#include "support/chart_records.h"

#include <string>

namespace quillmark::testing {
namespace {

class SeatingPlannerTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        const char* const last_names[] = {"Smith", "adams", "Brown"};
        for (int s = 0; s < 3; ++s) {
            add_student(s, "S" + std::to_string(s), last_names[s], std::to_string(s));
        }
        open_gradebook();
    }

    // Opens the planner as the toolbox's "Seating Planner" caption does.
    void open_planner() {
        click(QStringLiteral("Label21(0)"));
        ASSERT_TRUE(opened("Form10"));
        ASSERT_FALSE(window_->isVisible());
    }
    QLineEdit& desk(int i) const {
        return in_window<QLineEdit>(QStringLiteral("Text1(%1)").arg(i));
    }
    void type(int i, const QString& text) const {
        desk(i).setFocus();
        QTest::keyClicks(&desk(i), text);
    }
    void click_in(const char* name) const {
        QTest::mouseClick(&in_window<QWidget>(QLatin1String{name}), Qt::LeftButton);
    }
};

TEST_F(SeatingPlannerTest, APlanAToggledDeskAndTypedNamesAreSavedOnOkOnceTheTextFits) {
    open_planner();
    click_in("Label4"); // alphabetical
    EXPECT_EQ(QStringLiteral("S1 a."), desk(0).text());

    // A double-click makes a desk absent, empties it and hands the focus to OK.
    QTest::mouseDClick(&desk(1), Qt::LeftButton);
    EXPECT_NE(QColor{Qt::white}, desk(1).palette().color(QPalette::Base));
    EXPECT_EQ(QString{}, desk(1).text());
    EXPECT_EQ(QStringLiteral("Command1"), window->focusWidget()->objectName());
    type(3, QStringLiteral("Christopher")); // a desk takes 10 characters

    // Text the chart file cannot store is refused on the desk that holds it.
    desk(5).setText(QStringLiteral("\u0141ukasz"));
    dialogs.expect_message(
        QStringLiteral("The class file cannot store the characters \"\u0141\". Please type them "
                       "without accents or other marks."));
    click_in("Command1");
    dialogs.verify();
    ASSERT_FALSE(handed_back());
    EXPECT_EQ(&desk(5), window->focusWidget());
    EXPECT_EQ("", read_file("Algebra.chart"));

    desk(5).clear();
    click_in("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("S1 a.\r\n1\r\n\r\n0\r\nS0 S.\r\n1\r\nChristophe\r\n1\r\n" + empty_desks(68),
              read_file("Algebra.chart"));
    EXPECT_EQ(QStringLiteral("adams S1"), control<QLineEdit>(QStringLiteral("text3(0)")).text());
}

TEST_F(SeatingPlannerTest, AChartAnotherCopySavedMeanwhileIsNotWrittenOverUnasked) {
    const std::string kim = "Kim\r\n1\r\n" + empty_desks(71);
    const std::string lee = "Lee\r\n1\r\n" + empty_desks(71);
    struct Case {
        bool typed;              // this planner changed the chart too
        ui::Answer answer;       // to the question, when there is one
        bool closed;             // Save led back to the gradebook
        const std::string* file; // the chart on disk then
    };
    for (const Case& c :
         {Case{false, ui::Answer::ok, true, &lee}, Case{true, ui::Answer::yes, true, &kim},
          Case{true, ui::Answer::no, false, &lee}}) {
        write_file("Algebra.chart", "");
        open_planner();
        if (c.typed) {
            type(0, QStringLiteral("Kim"));
            dialogs.expect_message(
                QStringLiteral("The seating chart was changed in another copy of this class since "
                               "this planner opened it. Replace it with this chart?\n\nNo shows "
                               "the other copy's chart."),
                c.answer, ui::Icon::exclamation);
        }
        write_file("Algebra.chart", lee);
        click_in("Command1");
        dialogs.verify();
        ASSERT_EQ(c.closed, handed_back()) << c.typed;
        EXPECT_EQ(*c.file, read_file("Algebra.chart")) << c.typed;
        if (!c.closed) {
            EXPECT_EQ(QStringLiteral("Lee"), desk(0).text()); // the other copy's chart
            click_in("Command2");
        }
    }
}

} // namespace
} // namespace quillmark::testing
