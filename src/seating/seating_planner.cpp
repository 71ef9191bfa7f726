#include "seating/seating_planner.h"

#include "ui/click_watcher.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/hub.h"
#include "ui/image_button.h"
#include "ui/layout.h"
#include "ui/text.h"

#include <tuple>

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace quillmark {
namespace {

constexpr int client_width = 9375;
constexpr int client_height = 6435;
constexpr int desks_per_row = 8;
constexpr int typed_length = 10;
const QColor present_color{255, 255, 255};
const QColor absent_color{0, 0, 0};

// A light grey circle between two desks of a row.
class Circle : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter{this};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor{192, 192, 192});
        painter.drawEllipse(rect());
    }
};

QFont classroom_font() {
    QFont font{QStringLiteral("Arial")};
    font.setPointSizeF(14.25);
    font.setBold(true);
    return font;
}

QLabel* add_picture(QWidget& window, const QString& name, QStyle::StandardPixmap picture,
                    const QRect& place) {
    auto* label = new QLabel{&window};
    label->setObjectName(name);
    label->setGeometry(place);
    label->setPixmap(window.style()->standardIcon(picture).pixmap(place.size()));
    return label;
}

// One automatic-seating button: a frame holding an icon and a caption, both clickable.
std::array<ui::ImageButton*, 2> add_plan_button(QWidget& window, int index, int left,
                                                const char* icon_name, const char* caption_name,
                                                const QString& caption,
                                                QStyle::StandardPixmap picture) {
    auto* frame = new QFrame{&window};
    frame->setObjectName(ui::indexed_name("Shape2", index));
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(ui::twips_rect(left, 540, 1875, 615));

    auto* icon = new ui::ImageButton{&window};
    icon->setObjectName(QString::fromLatin1(icon_name));
    icon->setGeometry(ui::twips_rect(left + 60, 600, 480, 480));
    icon->setPixmap(window.style()->standardIcon(picture).pixmap(icon->size()));

    auto* label = new ui::ImageButton{&window};
    label->setObjectName(QString::fromLatin1(caption_name));
    label->setText(caption);
    label->setGeometry(ui::twips_rect(left + 600, 660, 1215, 435));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return {icon, label};
}

void paint_desk(QLineEdit& desk, bool present) {
    ui::set_background(desk, present ? present_color : absent_color);
    QPalette palette = desk.palette();
    // What is typed on a black desk stays readable.
    palette.setColor(QPalette::Text, present ? absent_color : present_color);
    desk.setPalette(palette);
}

bool is_present(const QLineEdit& desk) {
    return desk.palette().color(QPalette::Base) == present_color;
}

void show_desk_text(QLineEdit& desk, const std::string& text) {
    // A plan or the chart file may give more than can be typed; it is shown whole.
    desk.setMaxLength(typed_length);
    ui::fill_box(desk, ui::to_qstring(text));
    desk.setCursorPosition(0);
}

} // namespace

Form10::Form10(ui::Hub& hub)
    : hub_{&hub} {
    setObjectName(QStringLiteral("Form10"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Seating Planner"));
    setFixedSize(ui::twips(client_width), ui::twips(client_height));
    setFont(ui::sans_serif());

    QLabel* instructions = ui::add_label(
        *this, QStringLiteral("Label3"),
        QStringLiteral("1) DoubleClick white rectangles to enable/disable them and match the "
                       "layout of your room. 2) Select one of the following automatic seating "
                       "plans or type in students manually:"),
        ui::twips_rect(30, 0, 9315, 495));
    instructions->setFont(ui::sans_serif(9.75, true));
    instructions->setWordWrap(true);

    for (ui::ImageButton* part :
         add_plan_button(*this, 1, 2730, "Image2", "Label4", QStringLiteral("Alphabetical Seating"),
                         QStyle::SP_FileDialogListView)) {
        connect(part, &ui::ImageButton::clicked, this,
                [this] { seatauto(SeatingPlan::alphabetical); });
    }
    for (ui::ImageButton* part :
         add_plan_button(*this, 2, 4770, "Image3", "Label6", QStringLiteral("Random Seating"),
                         QStyle::SP_BrowserReload)) {
        connect(part, &ui::ImageButton::clicked, this, [this] { seatauto(SeatingPlan::random); });
    }

    const std::array<QString, 2> ends{QStringLiteral("Front of Classroom"),
                                      QStringLiteral("Rear of Classroom")};
    const std::array<int, 2> end_tops{1200, 4740};
    for (int k = 0; k < 2; ++k) {
        QLabel* end = ui::add_label(*this, ui::indexed_name("Label1", k), ends[k],
                                    ui::twips_rect(60, end_tops[k], 9255, 315));
        end->setFont(classroom_font());
        end->setAlignment(Qt::AlignCenter);
    }

    for (int i = 0; i < static_cast<int>(Text1.size()); ++i) {
        const int row = i / desks_per_row;
        const int column = i % desks_per_row;
        QLineEdit* desk =
            ui::add_box(*this, ui::indexed_name("Text1", i), typed_length,
                        ui::twips_rect(60 + 1200 * column, 1560 + 360 * row, 855, 255));
        desk->setTextMargins(0, 0, 0, 0);
        paint_desk(*desk, true);
        // A longer name once shown must not leave the desk taking more than can be typed.
        connect(desk, &QLineEdit::textChanged, desk, [desk](const QString& text) {
            if (text.size() <= typed_length) {
                desk->setMaxLength(typed_length);
            }
        });
        connect(new ui::ClickWatcher{*desk}, &ui::ClickWatcher::double_clicked, this,
                [this, i] { toggle_desk(i); });
        Text1[i] = desk;
        if (column < desks_per_row - 1) {
            auto* circle = new Circle{this};
            circle->setObjectName(ui::indexed_name("Shape1", row * (desks_per_row - 1) + column));
            circle->setGeometry(ui::twips_rect(960 + 1200 * column, 1560 + 360 * row, 255, 255));
        }
    }

    Command3 =
        ui::add_button(*this, QStringLiteral("Command3"), QStringLiteral("Print Seating Chart"),
                       ui::twips_rect(7320, 5040, 1935, 375));
    Command1 = ui::add_button(*this, QStringLiteral("Command1"), QStringLiteral("Save"),
                              ui::twips_rect(7320, 5520, 975, 375));
    Command2 = ui::add_button(*this, QStringLiteral("Command2"), QStringLiteral("Cancel"),
                              ui::twips_rect(7320, 6000, 975, 375));
    connect(Command3, &QPushButton::clicked, this,
            [this] { emit print_requested(current_desks()); });
    connect(Command1, &QPushButton::clicked, this, &Form10::save);
    connect(Command2, &QPushButton::clicked, this, &Form10::close);

    add_picture(*this, QStringLiteral("Image5"), QStyle::SP_ComputerIcon,
                ui::twips_rect(1080, 600, 480, 480));
    add_picture(*this, QStringLiteral("Image6"), QStyle::SP_DesktopIcon,
                ui::twips_rect(7800, 600, 480, 480));
    add_picture(*this, QStringLiteral("Image7"), QStyle::SP_FileDialogContentsView,
                ui::twips_rect(480, 5400, 480, 480));
}

void Form10::load() {
    center();
    // A chart that cannot be created or read opens empty; Save then reports the problem.
    std::ignore = load_chart(desks_as_read);
    show_desks(desks_as_read);
    show();
}

void Form10::center() {
    ui::center(*this);
}

void Form10::seatauto(SeatingPlan plan) {
    Desks desks = current_desks();
    quillmark::seatauto(desks, plan);
    last_plan_ = plan;
    show_desks(desks);
}

Desks Form10::current_desks() const {
    Desks desks;
    for (std::size_t i = 0; i < desks.size(); ++i) {
        desks[i].text = ui::from_qstring(Text1[i]->text());
        desks[i].present = is_present(*Text1[i]);
    }
    return desks;
}

void Form10::show_desks(const Desks& desks) {
    for (std::size_t i = 0; i < desks.size(); ++i) {
        show_desk_text(*Text1[i], desks[i].text);
        paint_desk(*Text1[i], desks[i].present);
    }
}

void Form10::toggle_desk(int i) {
    QLineEdit& desk = *Text1[i];
    if (is_present(desk)) {
        desk.clear();
        paint_desk(desk, false);
        Command1->setFocus();
    } else {
        paint_desk(desk, true);
    }
}

void Form10::save() {
    for (QLineEdit* desk : Text1) {
        // An absent desk's text is never saved, so it needs no check.
        if (is_present(*desk) && !ui::check_storable(*desk)) {
            return;
        }
    }
    const Desks desks = current_desks();
    if (const std::optional<Desks> theirs = chart_on_disk(); theirs && *theirs != desks_as_read) {
        // Another copy of the class saved its chart since this planner read it: with no change
        // here, its chart stands as it is; with changes on both sides, the teacher chooses.
        if (desks == desks_as_read) {
            close();
            return;
        }
        if (ui::msgbox(QStringLiteral("The seating chart was changed in another copy of this "
                                      "class since this planner opened it. Replace it with "
                                      "this chart?\n\nNo shows the other copy's chart."),
                       ui::Icon::exclamation, ui::Buttons::yes_no, this) != ui::Answer::yes) {
            desks_as_read = *theirs;
            show_desks(desks_as_read);
            return;
        }
    }
    if (const Result saved = save_chart(desks); !saved) {
        ui::msgbox(ui::to_qstring(saved.message()), ui::Icon::error, ui::Buttons::ok, this);
        return;
    }
    close();
}

void Form10::closeEvent(QCloseEvent* event) {
    // Save, Cancel and the title bar all lead back to the gradebook, repainted because a plan
    // may have reordered the students.
    if (hub_) {
        hub_->show();
        hub_->render_data();
    }
    emit closed();
    QWidget::closeEvent(event);
}

} // namespace quillmark
