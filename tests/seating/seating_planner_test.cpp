#include "classdata/class_data.h"
#include "gradebook/gradebook_window.h"
#include "seating/seating_planner.h"
#include "support/dialog_script.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace quillmark {
namespace {

std::string empty_desks(int count) {
    std::string records;
    for (int i = 0; i < count; ++i) {
        records += "\r\n1\r\n";
    }
    return records;
}

class SeatingPlannerTest : public testing::GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        clear_class();
        class_file = "Algebra.cls";
        const char* const last_names[] = {"Smith", "adams", "Brown"};
        for (int s = 0; s < 3; ++s) {
            students[s].first_name = "S" + std::to_string(s);
            students[s].last_name = last_names[s];
            students[s].id_number = std::to_string(s);
        }
        gradebook = new Form1;
        gradebook->load();
    }

    // Opens the planner as the toolbox's "Seating Planner" caption does.
    void open_planner() {
        QTest::mouseClick(gradebook->findChild<QWidget*>(QStringLiteral("Label21(0)")),
                          Qt::LeftButton);
        planner = qobject_cast<Form10*>(testing::shown_window("Form10"));
        ASSERT_NE(nullptr, planner);
    }

    QLineEdit& desk(int i) const {
        return *planner->findChild<QLineEdit*>(QStringLiteral("Text1(%1)").arg(i));
    }
    bool white(int i) const { return desk(i).palette().color(QPalette::Base) == Qt::white; }
    void double_click(int i) const { QTest::mouseDClick(&desk(i), Qt::LeftButton); }
    void click(const char* name) const {
        QTest::mouseClick(planner->findChild<QWidget*>(QString::fromLatin1(name)), Qt::LeftButton);
    }

    // The planner is gone and the gradebook is back.
    bool handed_back() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return planner.isNull() && gradebook->isVisible();
    }

    QString grid_name(int row) const {
        return gradebook->findChild<QLineEdit*>(QStringLiteral("text3(%1)").arg(row))->text();
    }

    QPointer<Form1> gradebook;
    QPointer<Form10> planner;
};

TEST_F(SeatingPlannerTest, FirstOpeningCreatesAnEmptyChartAndShowsWhiteDesks) {
    open_planner();
    EXPECT_FALSE(gradebook->isVisible());
    EXPECT_EQ(QStringLiteral("Seating Planner"), planner->windowTitle());
    EXPECT_EQ(QSize(625, 429), planner->size());
    ASSERT_TRUE(std::filesystem::exists(folder() / "Algebra.chart"));
    EXPECT_EQ("", read_file("Algebra.chart"));
    for (int i = 0; i < 72; ++i) {
        EXPECT_TRUE(white(i)) << i;
        EXPECT_EQ(QString{}, desk(i).text()) << i;
    }
    EXPECT_EQ(QRect(84, 152, 57, 17), desk(17).geometry());
}

TEST_F(SeatingPlannerTest, DoubleClicksToggleDesksAndTextOnAnAbsentDeskIsNotSaved) {
    write_file("Algebra.chart", "Kim\r\n1\r\nLee\r\n1 \r\n");
    open_planner();
    EXPECT_EQ(QStringLiteral("Kim"), desk(0).text());
    EXPECT_FALSE(white(1));
    EXPECT_EQ(QString{}, desk(1).text());

    double_click(0);
    EXPECT_FALSE(white(0));
    EXPECT_EQ(QString{}, desk(0).text());
    EXPECT_EQ(planner->findChild<QPushButton*>(QStringLiteral("Command1")), planner->focusWidget());
    double_click(1);
    EXPECT_TRUE(white(1));

    desk(0).setFocus();
    QTest::keyClicks(&desk(0), QStringLiteral("Typed"));
    desk(2).setFocus();
    QTest::keyClicks(&desk(2), QStringLiteral("Christopher"));
    EXPECT_EQ(QStringLiteral("Christophe"), desk(2).text());

    // Hidden behind the print dialog and shown again, the planner keeps its desks; the
    // printout sees the absent desk's text.
    planner->hide();
    planner->show();
    const Desks shown = planner->current_desks();
    EXPECT_EQ("Typed", shown[0].text);
    EXPECT_FALSE(shown[0].present);
    EXPECT_TRUE(shown[1].present);

    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("\r\n0\r\n\r\n1\r\nChristophe\r\n1\r\n" + empty_desks(69),
              read_file("Algebra.chart"));
}

TEST_F(SeatingPlannerTest, AlphabeticalSeatingThenCancelKeepsTheOrderButNotTheDesks) {
    write_file("Algebra.chart", "Old\r\n1\r\n");
    open_planner();
    click("Label4");
    EXPECT_EQ(QStringLiteral("S1 a."), desk(0).text());
    EXPECT_EQ(QStringLiteral("S2 B."), desk(1).text());
    EXPECT_EQ(QStringLiteral("S0 S."), desk(2).text());

    click("Command2");
    EXPECT_TRUE(handed_back());
    EXPECT_EQ(QStringLiteral("adams S1"), grid_name(0));
    EXPECT_EQ(QStringLiteral("Smith S0"), grid_name(2));
    EXPECT_EQ("Old\r\n1\r\n", read_file("Algebra.chart"));

    // The title bar leaves as Cancel does.
    open_planner();
    click("Image3");
    planner->close();
    EXPECT_TRUE(handed_back());
    EXPECT_EQ("Old\r\n1\r\n", read_file("Algebra.chart"));
}

TEST_F(SeatingPlannerTest, AFailedSaveIsReportedAndThePlannerStaysAsItWas) {
    std::filesystem::create_directory(folder() / "Algebra.chart");
    open_planner();
    EXPECT_TRUE(white(0));
    desk(5).setFocus();
    QTest::keyClicks(&desk(5), QStringLiteral("Kim"));
    double_click(6);

    dialogs.expect_message_starting(
        QStringLiteral("Could not save the seating chart \"Algebra.chart\": "), ui::Answer::ok,
        ui::Icon::error);
    click("Command1");
    ASSERT_FALSE(handed_back());
    EXPECT_TRUE(planner->isVisible());
    EXPECT_EQ(QStringLiteral("Kim"), desk(5).text());
    EXPECT_FALSE(white(6));

    std::filesystem::remove(folder() / "Algebra.chart");
    click("Command1");
    EXPECT_TRUE(handed_back());
    EXPECT_TRUE(read_file("Algebra.chart").ends_with("Kim\r\n1\r\n\r\n0\r\n" + empty_desks(65)));
}

} // namespace
} // namespace quillmark
