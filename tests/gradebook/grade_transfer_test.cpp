#include "classdata/class_file.h"
#include "gradebook/grid_fixture.h"
#include "reports/grade_export.h"

#include <sstream>

#include <QAction>
#include <QDir>
#include <QStandardPaths>

namespace quillmark::testing {
namespace {

// A gradebook of two students with a gap between them and one quiz.
class GradeTransferTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        add_assignment(0, "Quiz", 10);
        add_student(0, "Ann", "Sample", "1001");
        add_student(2, "Bo", "Lee", "1002");
        open_gradebook();
    }

    static QString documents() {
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    QString in_folder(const char* name) const {
        return QString::fromStdString((folder() / name).string());
    }
    static std::string saved() {
        std::ostringstream out;
        write_class(out);
        return out.str();
    }

    const QStringList layouts{QStringLiteral("Spreadsheet (LibreOffice Calc, Excel)"),
                              QStringLiteral("Canvas gradebook"), QStringLiteral("Moodle grades")};
};

TEST_F(GradeTransferTest, ExportAsksForALayoutAndAFileAndSaysWhenItCannotWrite) {
    const QString prompt = QStringLiteral("Export the grades for:");
    dialogs.expect_choice(prompt, layouts, 1)
        .expect_save_file(QDir{documents()}.filePath(QStringLiteral("Algebra - Grades.csv")),
                          in_folder("grades.csv"));
    trigger("exportgrades");
    dialogs.verify();
    std::ostringstream canvas;
    write_grades_csv(canvas, ExportFormat::canvas);
    EXPECT_EQ(canvas.str(), read_file("grades.csv"));

    // Cancelled at either step, nothing is written.
    dialogs.expect_choice(prompt, layouts, -1);
    trigger("exportgrades");
    dialogs.expect_choice(prompt, layouts, 2)
        .expect_save_file(QDir{documents()}.filePath(QStringLiteral("Algebra - Grades.csv")), {});
    trigger("exportgrades");
    dialogs.verify();
    EXPECT_EQ(canvas.str(), read_file("grades.csv"));

    dialogs.expect_choice(prompt, layouts, 0)
        .expect_save_file(QDir{documents()}.filePath(QStringLiteral("Algebra - Grades.csv")),
                          in_folder("gone/grades.csv"))
        .expect_message(QStringLiteral("Could not export the grades to \"grades.csv\": No such "
                                       "file or directory."),
                        ui::Answer::ok, ui::Icon::error);
    trigger("exportgrades");
}

TEST_F(GradeTransferTest, ImportAddsTheListAfterYesOnlyAndRepaints) {
    write_file("list.csv", "Last Name;First Name;ID\r\nNg;Zo\xC3\xAB;2001\r\nPark;Cy;\r\n");
    const QString question =
        QStringLiteral("Import 1 student from \"list.csv\"?\n\n1 line is skipped.");
    const QString details = QStringLiteral("Line 3: no ID; skipped.");
    const std::string before = saved();
    dialogs.expect_open_file(documents(), in_folder("list.csv"))
        .expect_message(question, ui::Answer::no)
        .with_details(details);
    trigger("importstudents");
    dialogs.verify();
    EXPECT_EQ(before, saved());

    // A file that is no class list changes nothing either.
    write_file("grades.csv", "ID number,Quiz\r\n1001,7\r\n");
    dialogs.expect_open_file(documents(), in_folder("grades.csv"))
        .expect_message(QStringLiteral("Could not import students from \"grades.csv\": no column "
                                       "of last names or names was found."),
                        ui::Answer::ok, ui::Icon::exclamation);
    trigger("importstudents");
    dialogs.verify();
    EXPECT_EQ(before, saved());

    // Yes fills the gap between the class's students, and the grid shows the new row.
    dialogs.expect_open_file(documents(), in_folder("list.csv"))
        .expect_message(question, ui::Answer::yes)
        .with_details(details);
    trigger("importstudents");
    dialogs.verify();
    EXPECT_EQ("2001", students[1].id_number);
    EXPECT_EQ(QStringLiteral("Ng Zo\u00EB"), control<QLineEdit>(QStringLiteral("text3(1)")).text());

    // The whole import is one step: undo takes every student of it out again.
    EXPECT_EQ(QStringLiteral("Undo Import of 'list.csv'"),
              control<QAction>(QStringLiteral("undo")).text());
    trigger("undo");
    EXPECT_EQ(before, saved());
    EXPECT_EQ(QString{}, control<QLineEdit>(QStringLiteral("text3(1)")).text());

    // A list with nothing to add asks nothing: OK alone, and the class stays as it is.
    write_file("same.csv", "Last Name,ID\r\nSample,1001\r\n");
    dialogs.expect_open_file(documents(), in_folder("same.csv"))
        .expect_message(QStringLiteral("Every student in \"same.csv\" is in the class already: "
                                       "there is nothing to add.\n\n1 line is skipped."))
        .with_details(QStringLiteral("Line 2: ID 1001 is already in the class; skipped."));
    trigger("importstudents");
    dialogs.verify();
    EXPECT_EQ(before, saved());
}

} // namespace
} // namespace quillmark::testing
