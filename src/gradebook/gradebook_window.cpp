#include "gradebook/gradebook_window.h"

#include "classdata/class_data.h"
#include "classdata/program_folder.h"
#include "gradebook/assignment_editor.h"
#include "gradebook/score_box.h"
#include "gradebook/step_captions.h"
#include "gradebook/student_editor.h"
#include "grading/ordering.h"
#include "ui/click_watcher.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/icons.h"
#include "ui/image_button.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace quillmark {
namespace {

constexpr int client_width = 11895;
constexpr int client_height = 6135;
constexpr int grid_left = 1710;
constexpr int column_pitch = 990;
constexpr int grid_top = 1035;
constexpr int row_pitch = 300;

const QString program_title = QStringLiteral("Quillmark");

// Row and column numbers: white bold text on black.
QLabel* make_number_label(QWidget& client, const QString& name, const QRect& area) {
    QLabel* label = ui::add_caption(client, name, {}, area);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ui::sans_serif(9.75, true));
    return label;
}

// Writes only what differs, so repaints leave unchanged controls alone.
void show_text(QLabel& label, const QString& text) {
    if (label.text() != text) {
        label.setText(text);
    }
}

void show_text(QLineEdit& box, const QString& text) {
    if (box.text() != text) {
        box.setText(text);
        // From the first letter, as a text box shows a text written into it.
        box.setCursorPosition(0);
    }
}

void show_text(QPlainTextEdit& box, const QString& text) {
    if (box.toPlainText() != text) {
        box.setPlainText(text);
    }
}

// The scroll bars take no focus, so a focused score box would keep it while the grid moves
// another cell under it: it is left first, for the cell it was over.
void leave_score_box(const QWidget& window) {
    if (auto* box = qobject_cast<ScoreBox*>(window.focusWidget())) {
        box->clearFocus();
    }
}

// " 100 pts.": the sign's place holds a blank for a value that is not negative.
QString points_caption(std::int16_t points) {
    return (points < 0 ? QString{} : QStringLiteral(" ")) + QString::number(points) +
           QStringLiteral(" pts.");
}

} // namespace

Form1::Form1(QWidget* parent)
    : ui::Hub{parent} {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ui::sans_serif());

    auto* layout = new QVBoxLayout{this};
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    client = new QWidget{this};
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ui::twips(client_width), ui::twips(client_height));
    ui::set_background(*client, QColor{192, 192, 192});
    layout->addWidget(client);

    // Created first, so it lies behind every other control.
    Image1 = new ui::ImageButton{client};
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(ui::twips_rect(-120, -120, 12120, 6735));
    Image1->setScaledContents(true);
    Image1->setCursor(Qt::ArrowCursor);
    connect(Image1, &ui::ImageButton::clicked, this, &Form1::center);
    connect(Image1, &ui::ImageButton::hovered, this, &Form1::show_class_title);

    build_grid();
    panels = std::make_unique<AnalysisPanels>(*client);
    build_toolbox();
    build_menus();

    Timer1 = new QTimer{this};
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20000);
    connect(Timer1, &QTimer::timeout, this, &Form1::autosave);
    Timer1->start();
}

void Form1::build_grid() {
    const QFont bold = ui::sans_serif(8.25, true);
    for (int i = 0; i < 10; ++i) {
        const int left = grid_left + column_pitch * i;
        const int top = grid_top + row_pitch * i;

        auto* title = new QPlainTextEdit{client};
        title->setObjectName(ui::indexed_name("Text2", i));
        title->setGeometry(ui::twips_rect(left, 255, 975, 495));
        title->setReadOnly(true);
        title->setFocusPolicy(Qt::ClickFocus);
        title->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        title->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        title->document()->setDocumentMargin(1);
        // The box itself takes the pointer, so its clicks reach the window as one control's.
        title->viewport()->setAttribute(Qt::WA_TransparentForMouseEvents);
        ui::set_background(*title, ui::assignment_orange);
        Text2[i] = title;
        auto* title_mouse = new ui::ClickWatcher{*title};
        connect(title_mouse, &ui::ClickWatcher::clicked, this,
                [this, i] { a_analysis(static_cast<std::int16_t>(left_assignment + i)); });
        connect(title_mouse, &ui::ClickWatcher::hovered, this, [this, i] { show_notes(i); });
        connect(title_mouse, &ui::ClickWatcher::double_clicked, this,
                [this, i] { open_assignment_editor(i); });

        Label17[i] = ui::add_label(*client, ui::indexed_name("Label17", i), {},
                                   ui::twips_rect(left, 765, 975, 255));
        ui::set_background(*Label17[i], ui::assignment_orange);
        Label9[i] = make_number_label(*client, ui::indexed_name("Label9", i),
                                      ui::twips_rect(left, 0, 975, 255));

        auto* name = new QLineEdit{client};
        name->setObjectName(ui::indexed_name("text3", i));
        name->setGeometry(ui::twips_rect(360, top, 1335, 285));
        name->setReadOnly(true);
        name->setFocusPolicy(Qt::ClickFocus);
        ui::set_background(*name, ui::student_cyan);
        text3[i] = name;
        auto* name_mouse = new ui::ClickWatcher{*name};
        connect(name_mouse, &ui::ClickWatcher::clicked, this,
                [this, i] { s_analysis(static_cast<std::int16_t>(top_student + i)); });
        connect(name_mouse, &ui::ClickWatcher::hovered, this,
                [this, i] { show_student_details(i); });
        connect(name_mouse, &ui::ClickWatcher::double_clicked, this,
                [this, i] { open_student_editor(i); });

        Label10[i] = make_number_label(*client, ui::indexed_name("Label10", i),
                                       ui::twips_rect(30, top, 315, 285));
    }

    for (int k = 0; k < 100; ++k) {
        auto* box = new ScoreBox{k, client};
        box->setGeometry(ui::twips_rect(grid_left + column_pitch * box->column(),
                                        grid_top + row_pitch * box->row(), 975, 285));
        Text1[k] = box;
        connect(box, &ScoreBox::enter_pressed, this, [this, box] { enter_in_score_box(*box); });
        connect(box, &ScoreBox::focus_lost, this, [this, box] { score_box_left(*box); });
        connect(box, &ScoreBox::score_changing, this, [this, box] { typing_started(*box); });
        connect(new ui::ClickWatcher{*box}, &ui::ClickWatcher::clicked, this,
                [this, box] { score_box_clicked(*box); });
    }

    // The bars' ranges keep the ten rows and columns inside the class's slots.
    VScroll1 = new QScrollBar{Qt::Vertical, client};
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(ui::twips_rect(11625, 765, 255, 3255));
    VScroll1->setRange(0, student_slots - 10);
    VScroll1->setPageStep(5);
    VScroll1->setValue(top_student);
    top_student = static_cast<std::int16_t>(VScroll1->value());
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        leave_score_box(*this);
        top_student = static_cast<std::int16_t>(value);
        render_data();
    });

    HScroll1 = new QScrollBar{Qt::Horizontal, client};
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(ui::twips_rect(grid_left, 4050, 9900, 255));
    HScroll1->setRange(0, assignment_slots - 10);
    HScroll1->setPageStep(5);
    HScroll1->setValue(left_assignment);
    left_assignment = static_cast<std::int16_t>(HScroll1->value());
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        leave_score_box(*this);
        left_assignment = static_cast<std::int16_t>(value);
        render_data();
    });

    Label1 = ui::add_label(*client, QStringLiteral("Label1"), QStringLiteral("Assignments"),
                           ui::twips_rect(360, 255, 1335, 255));
    Label1->setFont(bold);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui::set_background(*Label1, ui::assignment_orange);
    Label2 = ui::add_label(*client, QStringLiteral("Label2"), QStringLiteral("Students"),
                           ui::twips_rect(360, 525, 1335, 495));
    Label2->setFont(bold);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui::set_background(*Label2, ui::student_cyan);

    Command2 = ui::add_button(*client, QStringLiteral("Command2"), QStringLiteral("A to Z"),
                              ui::twips_rect(390, 750, 615, 255));
    Command3 = ui::add_button(*client, QStringLiteral("Command3"), QStringLiteral("1...N"),
                              ui::twips_rect(1050, 750, 615, 255));
    connect(Command2, &QPushButton::clicked, this,
            [this] { sort_students(sort_by_name, sort_by_name_step); });
    connect(Command3, &QPushButton::clicked, this,
            [this] { sort_students(sort_by_average, sort_by_average_step); });
}

void Form1::build_toolbox() {
    Shape1 = new QFrame{client};
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(ui::twips_rect(9120, 4440, 2655, 1575));
    Shape1->setFrameShape(QFrame::Box);

    Label22 = ui::add_label(*client, QStringLiteral("Label22"), QStringLiteral("Toolchest"),
                            ui::twips_rect(9120, 4500, 2655, 300));
    QFont title_font{QStringLiteral("Arial")};
    title_font.setPointSizeF(9.75);
    title_font.setBold(true);
    title_font.setUnderline(true);
    Label22->setFont(title_font);
    Label22->setAlignment(Qt::AlignCenter);

    // Two columns: Seating Planner over Curve Wizard, Blank Screen over Priority Support.
    const std::array<QString, 4> captions{
        QStringLiteral("Seating Planner"), QStringLiteral("Curve Wizard"),
        QStringLiteral("Blank Screen"), QStringLiteral("Priority Support")};
    const std::array<ui::ButtonIcon, 4> icons{
        ui::ButtonIcon::seating_planner, ui::ButtonIcon::curve_wizard, ui::ButtonIcon::blank_screen,
        ui::ButtonIcon::priority_support};
    for (int i = 0; i < 4; ++i) {
        const int left = i < 2 ? 9240 : 10500;
        const int top = i % 2 == 0 ? 4860 : 5400;
        Image2[i] = new ui::ImageButton{client};
        Image2[i]->setObjectName(ui::indexed_name("Image2", i));
        Image2[i]->setGeometry(ui::twips_rect(left, top, 480, 480));
        Image2[i]->set_icon(ui::button_icon(icons[i]), ui::twips(480));
        Label21[i] = new ui::ImageButton{client};
        Label21[i]->setObjectName(ui::indexed_name("Label21", i));
        Label21[i]->setText(captions[i]);
        Label21[i]->setGeometry(ui::twips_rect(left + 540, top, 720, 480));
        Label21[i]->setWordWrap(true);
        Label21[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void Form1::load() {
    // The window's fixed size comes from its layout; centring needs it.
    layout()->activate();
    center();
    load_background();
    show();
    show_class_title();
    render_data();
    c_analysis();
}

void Form1::center() {
    ui::center(*this);
}

void Form1::load_background() {
    if (const QPixmap picture = ui::program_picture("back.bmp"); !picture.isNull()) {
        Image1->setPixmap(picture);
    }
}

void Form1::render_data() {
    for (int i = 0; i < 10; ++i) {
        show_text(*Label9[i], QString::number(left_assignment + i + 1));
        show_text(*Label10[i], QString::number(top_student + i + 1));

        const int a = left_assignment + i;
        if (assignment_used(static_cast<std::int16_t>(a))) {
            show_text(*Text2[i], ui::to_qstring(asg_title[a]));
            show_text(*Label17[i], points_caption(asg_points[a]));
        } else {
            show_text(*Text2[i], {});
            show_text(*Label17[i], {});
        }

        const int s = top_student + i;
        if (student_used(static_cast<std::int16_t>(s))) {
            show_text(*text3[i],
                      ui::to_qstring(students[s].last_name + " " + students[s].first_name));
        } else {
            show_text(*text3[i], {});
        }
    }
    for (ScoreBox* box : Text1) {
        box->render();
    }
}

void Form1::s_analysis(std::int16_t student) {
    panels->s_analysis(student);
}

void Form1::a_analysis(std::int16_t assignment) {
    panels->a_analysis(assignment);
}

void Form1::c_analysis() {
    panels->c_analysis();
}

void Form1::student_graph(std::int16_t student) {
    panels->student_graph(student);
}

void Form1::score_box_clicked(const ScoreBox& box) {
    if (!box.defined()) {
        ui::msgbox(QStringLiteral("     You must have a student and an assignment defined to "
                                  "enter a grade. Click in the orange box above this column to "
                                  "enter an assignment. Click in the blue box to the left of "
                                  "this row to enter a student."),
                   ui::Icon::exclamation, ui::Buttons::ok, this);
        text3[box.row()]->setFocus();
        return;
    }
    a_analysis(box.assignment());
    s_analysis(box.student());
}

void Form1::score_box_left(const ScoreBox& box) {
    settle_typing();
    if (box.defined()) {
        a_analysis(box.assignment());
        s_analysis(box.student());
    }
    render_data();
}

void Form1::enter_in_score_box(const ScoreBox& box) {
    // Down the column; from the bottom row back to its top.
    const int k = box.index();
    Text1[k >= 90 ? k - 90 : k + 10]->setFocus();
}

// The gradebook hides behind an editor until it closes.
void Form1::open_student_editor(int row) {
    ClassSnapshot before = before_step();
    const auto slot = static_cast<std::int16_t>(top_student + row);
    edit_slot = static_cast<std::int16_t>(row);
    hide();
    auto* editor = new Form2{*this};
    record_when_closed(*editor, std::move(before), [slot](const ClassSnapshot& was) {
        return student_step(was.students[slot], students[slot]);
    });
    editor->load();
}

void Form1::open_assignment_editor(int column) {
    ClassSnapshot before = before_step();
    const auto slot = static_cast<std::int16_t>(left_assignment + column);
    edit_slot = static_cast<std::int16_t>(column);
    hide();
    auto* editor = new Form3{*this};
    record_when_closed(*editor, std::move(before), [slot](const ClassSnapshot& was) {
        return assignment_step(was.asg_title[slot], asg_title[slot]);
    });
    editor->load();
}

void Form1::sort_students(void (*sort)(), const char* caption) {
    const ClassSnapshot before = before_step();
    sort();
    record_step(caption, before);
    render_data();
}

void Form1::show_notes(int column) {
    const std::string& notes = asg_notes[left_assignment + column];
    if (!notes.empty()) {
        setWindowTitle(program_title + QStringLiteral(" (Notes: ") + ui::to_qstring(notes) +
                       QStringLiteral(")"));
    } else if (windowTitle() != program_title) {
        setWindowTitle(program_title);
    }
}

void Form1::show_student_details(int row) {
    const student_rec& student = students[top_student + row];
    const std::string gap(10, ' ');
    setWindowTitle(program_title +
                   ui::to_qstring("     (Name: " + student.first_name + " " + student.last_name +
                                  gap + " ID #: " + student.id_number + gap +
                                  "Tel #: " + student.telephone + ")"));
}

void Form1::show_class_title() {
    setWindowTitle(QStringLiteral("Quillmark - [") + ui::to_qstring(class_file) +
                   QStringLiteral("]"));
}

} // namespace quillmark
