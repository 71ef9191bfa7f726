#include "support/dialog_script.h"
#include "ui/dialogs.h"

#include <functional>

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace quillmark::testing {
namespace {

// Runs look_at on the real modal box once it is shown; look_at closes it.
void when_shown(std::function<void(QWidget&)> look_at) {
    QTimer::singleShot(0, [look_at = std::move(look_at)] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(nullptr, box);
        look_at(*box);
    });
}

// The real boxes, with no dialog handler in their way.
TEST(DialogsTest, RealBoxesShowNamesAsPlainTextAndPasswordsAsAsterisks) {
    ui::set_dialog_handler(nullptr);
    const QString name = QStringLiteral("Period <u>1</u> & <b>2");

    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    when_shown([&](QWidget& box) {
        auto& message = dynamic_cast<QMessageBox&>(box);
        const auto* label = message.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown = label->text();
        format = label->textFormat();
        message.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(ui::Answer::ok, ui::msgbox(name));
    EXPECT_EQ(name, shown);
    EXPECT_EQ(Qt::PlainText, format);

    std::vector<Qt::TextFormat> prompt_formats;
    when_shown([&](QWidget& box) {
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            shown = label->text();
            prompt_formats.push_back(label->textFormat());
        }
        auto& input = dynamic_cast<QInputDialog&>(box);
        input.setTextValue(input.textValue() + QStringLiteral("!"));
        input.accept();
    });
    EXPECT_EQ(QStringLiteral("Rename <i>x</i>!"),
              ui::inputbox(name, QStringLiteral("Rename <i>x</i>")));
    EXPECT_EQ(name, shown);
    EXPECT_EQ(std::vector<Qt::TextFormat>{Qt::PlainText}, prompt_formats);

    QString masked;
    when_shown([&](QWidget& box) {
        auto* line = box.findChild<QLineEdit*>();
        QTest::keyClicks(line, QStringLiteral("s3cret"));
        masked = line->displayText();
        dynamic_cast<QInputDialog&>(box).accept();
    });
    EXPECT_EQ(QStringLiteral("s3cret"), ui::password_inputbox(QStringLiteral("Password:")));
    EXPECT_EQ(QStringLiteral("******"), masked);

    when_shown([](QWidget& box) { dynamic_cast<QInputDialog&>(box).reject(); });
    EXPECT_EQ(QString{}, ui::inputbox(name, QStringLiteral("kept?")));
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

    dialogs.expect_input(prompt, QStringLiteral("\u20ac"), QStringLiteral("old"));
    EXPECT_EQ(QStringLiteral("\u20ac"), ui::class_text_inputbox(prompt, QStringLiteral("old")));
}

} // namespace
} // namespace quillmark::testing
