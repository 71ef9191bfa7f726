#include "grading/window_fixture.h"
#include "support/chart_records.h"

#include <filesystem>
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
    bool white(int i) const { return desk(i).palette().color(QPalette::Base) == Qt::white; }
    void double_click(int i) const { QTest::mouseDClick(&desk(i), Qt::LeftButton); }
    void type(int i, const QString& text) const {
        desk(i).setFocus();
        QTest::keyClicks(&desk(i), text);
    }
    void click_in(const char* name) const {
        QTest::mouseClick(&in_window<QWidget>(QLatin1String{name}), Qt::LeftButton);
    }
};

TEST_F(SeatingPlannerTest, FirstOpeningCreatesAnEmptyChartThatAPlanThenCancelLeavesEmpty) {
    open_planner();
    ASSERT_TRUE(std::filesystem::exists(folder() / "Algebra.chart"));
    EXPECT_EQ("", read_file("Algebra.chart"));
    for (int i = 0; i < 72; ++i) {
        EXPECT_TRUE(white(i) && desk(i).text().isEmpty()) << i;
    }
    EXPECT_EQ(QRect(84, 152, 57, 17), desk(17).geometry());

    // Alphabetical seating reorders the class for good, even when the desks are not saved.
    click_in("Label4");
    EXPECT_EQ(QStringLiteral("S1 a."), desk(0).text());
    click_in("Command2");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ(QStringLiteral("adams S1"), control<QLineEdit>(QStringLiteral("text3(0)")).text());
    EXPECT_EQ("", read_file("Algebra.chart"));

    // The title bar leaves as Cancel does.
    write_file("Algebra.chart", "Old\r\n1\r\n");
    open_planner();
    click_in("Image3");
    window->close();
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("Old\r\n1\r\n", read_file("Algebra.chart"));
}

TEST_F(SeatingPlannerTest, DoubleClicksToggleDesksAndTextOnAnAbsentDeskIsNotSaved) {
    write_file("Algebra.chart", "Kim\r\n1\r\nLee\r\n1 \r\n");
    open_planner();
    EXPECT_EQ(QStringLiteral("Kim"), desk(0).text());
    EXPECT_FALSE(white(1));

    double_click(0);
    EXPECT_FALSE(white(0));
    EXPECT_EQ(QString{}, desk(0).text());
    EXPECT_EQ(QStringLiteral("Command1"), window->focusWidget()->objectName());
    double_click(1);
    EXPECT_TRUE(white(1));
    type(0, QStringLiteral("Typed"));
    type(2, QStringLiteral("Christopher"));

    // Hidden behind the print dialog and shown again by its Cancel, the planner keeps its
    // desks, and the printout would see the absent desk's text.
    click_in("Command3");
    QWidget* print_dialog = shown_window("Form9");
    ASSERT_NE(nullptr, print_dialog);
    EXPECT_FALSE(window->isVisible() || window_->isVisible());
    QTest::mouseClick(print_dialog->findChild<QWidget*>(QStringLiteral("Command2")),
                      Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(QStringLiteral("Typed"), desk(0).text());
    EXPECT_FALSE(white(0));

    click_in("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("\r\n0\r\n\r\n1\r\nChristophe\r\n1\r\n" + empty_desks(69),
              read_file("Algebra.chart"));
}

TEST_F(SeatingPlannerTest, AFailedSaveIsReportedAndThePlannerStaysAsItWas) {
    std::filesystem::create_directory(folder() / "Algebra.chart");
    open_planner();
    type(5, QStringLiteral("Kim"));
    dialogs.expect_message_starting(
        QStringLiteral("Could not save the seating chart \"Algebra.chart\": "), ui::Answer::ok,
        ui::Icon::error);
    click_in("Command1");
    ASSERT_FALSE(handed_back());
    EXPECT_EQ(QStringLiteral("Kim"), desk(5).text());

    std::filesystem::remove(folder() / "Algebra.chart");
    click_in("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ(empty_desks(5) + "Kim\r\n1\r\n" + empty_desks(66), read_file("Algebra.chart"));
}

TEST_F(SeatingPlannerTest, LongNamesFromAPlanAreSavedWholeAndAClearedDeskTakesTenAgain) {
    students[0].first_name = "Bartholomew";
    students[1].first_name = "Christabella";
    students[2].first_name = "Maximiliana";
    open_planner();
    click_in("Label4");
    EXPECT_EQ(QStringLiteral("Christabella a."), desk(0).text());

    // Emptied by a double-click there and back, or typed over, a desk takes 10 characters.
    double_click(1);
    double_click(1);
    type(1, QStringLiteral("Jacqueline Lee"));
    desk(2).selectAll();
    type(2, QStringLiteral("Christopher"));
    EXPECT_EQ(QStringLiteral("Jacqueline"), desk(1).text());
    EXPECT_EQ(QStringLiteral("Christophe"), desk(2).text());

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
    EXPECT_EQ("Christabella a.\r\n1\r\nJacqueline\r\n1\r\nChristophe\r\n1\r\n" + empty_desks(69),
              read_file("Algebra.chart"));
}

TEST_F(SeatingPlannerTest, AChartAnotherCopySavedMeanwhileIsNotWrittenOverUnasked) {
    const std::string kim = "Kim\r\n1\r\n" + empty_desks(71);
    const std::string lee = "Lee\r\n1\r\n" + empty_desks(71);
    struct Case {
        bool typed;              // this planner changed the chart too
        ui::Answer answer;       // to the question, when there is one
        bool closed;             // Save led back to the gradebook
        const std::string* file; // the chart on disk then
        const char* shown;       // desk 0 then
    };
    for (const Case& c :
         {Case{false, ui::Answer::ok, true, &lee, ""}, Case{true, ui::Answer::yes, true, &kim, ""},
          Case{true, ui::Answer::no, false, &lee, "Lee"}}) {
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
            EXPECT_EQ(QString::fromLatin1(c.shown), desk(0).text());
            click_in("Command2");
        }
    }
}

} // namespace
} // namespace quillmark::testing
