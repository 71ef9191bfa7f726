#include "classdata/class_file.h"
#include "classmanager/console_commands.h"
#include "gradebook/grid_fixture.h"
#include "grading/categories_file.h"
#include "reports/grade_export.h"
#include "support/xlsx_reader.h"

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

    const QStringList layouts{QStringLiteral("Spreadsheet (LibreOffice Calc, Excel)"),
                              QStringLiteral("Excel workbook (.xlsx), IDs kept as text"),
                              QStringLiteral("Canvas gradebook"), QStringLiteral("Moodle grades")};
    const QString prompt = QStringLiteral(
        "Export the grades for:\n\n"
        "Moodle needs its grade items created first, each with its points: a new item\n"
        "is out of 100, and a score above 100 stops the whole import on a default site.\n"
        "In Moodle's import, map \"ID number\" to the user's ID number.");
};

// The command line's export loads the categories the open class has: both give the same files
// (the workbook cell for cell), in which the categories change the averages. The menu's refuses
// one of the program's own files, and the teacher chooses again.
TEST_F(GradeTransferTest, TheMenuAndTheCommandLineExportTheSameGradesWithTheCategories) {
    asg_title[1] = "Test";
    asg_points[1] = 100;
    students[0].scores[1] = 50;
    students[0].scores[0] = 10;
    Categories categories;
    categories.in_use = true;
    categories.list = {{"Quizzes", 50, 0}, {"Tests", 50, 0}};
    categories.of[0] = 0;
    categories.of[1] = 1;
    ASSERT_TRUE(set_class_categories(categories));
    ASSERT_TRUE(save_class(folder() / "Algebra.cls"));
    int k = 0;
    for (const ExportLayout layout : {ExportLayout::spreadsheet, ExportLayout::xlsx,
                                      ExportLayout::canvas, ExportLayout::moodle}) {
        // openpyxl reads a workbook by the name's ending.
        const std::string ending = layout == ExportLayout::xlsx ? ".xlsx" : ".csv";
        const QString proposed =
            QDir{documents()}.filePath(QString::fromStdString("Algebra - Grades" + ending));
        dialogs.expect_choice(prompt, layouts, k++);
        if (layout == ExportLayout::canvas) {
            dialogs.expect_save_file(proposed, in_folder("Algebra.cls"))
                .expect_message(QStringLiteral("\"Algebra.cls\" is one of Quillmark's own "
                                               "files; export the grades to another file."),
                                ui::Answer::ok, ui::Icon::exclamation);
        }
        dialogs.expect_save_file(proposed, in_folder("menu") + QString::fromStdString(ending));
        trigger("exportgrades");
        dialogs.verify();
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(0, export_class("Algebra", layout, folder() / ("command" + ending), out, err))
            << err.str();
        if (layout == ExportLayout::xlsx) {
            EXPECT_EQ(read_xlsx(folder() / "menu.xlsx"), read_xlsx(folder() / "command.xlsx"));
        } else {
            EXPECT_EQ(read_file("menu.csv"), read_file("command.csv")) << k;
        }
        if (layout == ExportLayout::spreadsheet) {
            EXPECT_NE(std::string::npos, read_file("menu.csv").find(",1001,10,50,75.00,"));
        }
    }
    EXPECT_EQ(class_file_text(), read_file("Algebra.cls"));
}

TEST_F(GradeTransferTest, ImportAddsTheListAfterYesOnlyAndRepaints) {
    write_file("list.csv", "Last Name;First Name;ID\r\nNg;Zo\xC3\xAB;2001\r\nPark;Cy;\r\n");
    const auto import = [this](const char* list, const QString& question, ui::Answer answer,
                               const QString& details) {
        dialogs.expect_open_file(documents(), in_folder(list))
            .expect_message(question, answer)
            .with_details(details);
        trigger("importstudents");
        dialogs.verify();
    };
    const QString question =
        QStringLiteral("Import 1 student from \"list.csv\"?\n\n1 line is skipped.");
    const QString details = QStringLiteral("Line 3: no ID; skipped.");
    const std::string before = class_file_text();
    import("list.csv", question, ui::Answer::no, details);
    EXPECT_EQ(before, class_file_text());

    // Yes fills the gap between the class's students, and the grid shows the new row.
    import("list.csv", question, ui::Answer::yes, details);
    EXPECT_EQ("2001", students[1].id_number);
    EXPECT_EQ(QStringLiteral("Ng Zo\u00EB"), control<QLineEdit>(QStringLiteral("text3(1)")).text());

    // The whole import is one step: undo takes every student of it out again.
    EXPECT_EQ(QStringLiteral("Undo Import of 'list.csv'"),
              control<QAction>(QStringLiteral("undo")).text());
    trigger("undo");
    EXPECT_EQ(before, class_file_text());
    EXPECT_EQ(QString{}, control<QLineEdit>(QStringLiteral("text3(1)")).text());

    // A list with nothing to add asks nothing: OK alone, and the class stays as it is.
    write_file("same.csv", "Last Name,ID\r\nSample,1001\r\n");
    import("same.csv",
           QStringLiteral("Every student in \"same.csv\" is in the class already: there is "
                          "nothing to add.\n\n1 line is skipped."),
           ui::Answer::ok, QStringLiteral("Line 2: ID 1001 is already in the class; skipped."));
    EXPECT_EQ(before, class_file_text());
}

} // namespace
} // namespace quillmark::testing
