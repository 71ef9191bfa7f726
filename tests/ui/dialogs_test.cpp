#include "support/dialog_script.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace quillmark::testing {
namespace {

// The real boxes, with no dialog handler in their way.
TEST(DialogsTest, RealBoxesShowNamesAsPlainTextAndPasswordsAsAsterisks) {
    ui::set_dialog_handler(nullptr);
    const QString name = QStringLiteral("Period <u>1</u> & <b>2");
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, box);
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown = label->text();
        EXPECT_EQ(Qt::PlainText, label->textFormat());
        box->accept();
    });
    ui::msgbox(name);
    EXPECT_EQ(name, shown);

    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, box);
        auto* line = box->findChild<QLineEdit*>();
        QTest::keyClicks(line, QStringLiteral("s3cret"));
        EXPECT_EQ(QStringLiteral("******"), line->displayText());
        box->accept();
    });
    EXPECT_EQ(QStringLiteral("s3cret"), ui::password_inputbox(QStringLiteral("Password:")));
}

TEST(DialogsTest, ClassTextInputIsAskedAgainUntilTheClassFileCanStoreIt) {
    DialogScript dialogs;
    const QString prompt = QStringLiteral("Name?");
    dialogs.expect_input(prompt, QStringLiteral("\u0141ukasz \u0141\u00f3d\u017a"), QString{})
        .expect_message(QStringLiteral("The class file cannot store the characters "
                                       "\"\u0141\u017a\". Please type them without accents or "
                                       "other marks."))
        .expect_input(prompt, QStringLiteral("Lukasz L\u00f3dz"),
                      QStringLiteral("\u0141ukasz \u0141\u00f3d\u017a"));
    EXPECT_EQ(QStringLiteral("Lukasz L\u00f3dz"), ui::class_text_inputbox(prompt));
}

} // namespace
} // namespace quillmark::testing
