#include "classmanager/class_manager.h"

#include "classdata/class_data.h"
#include "classdata/program_folder.h"
#include "classmanager/backup.h"
#include "classmanager/class_files.h"
#include "classmanager/open_class.h"
#include "classmanager/removable_drive.h"
#include "grading/categories_file.h"
#include "ui/dialogs.h"
#include "ui/icons.h"
#include "ui/image_button.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/program_end.h"
#include "ui/text.h"

#include <algorithm>

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>

namespace quillmark {
namespace {

constexpr int icon_size = 32;
constexpr int button_size = 48;
constexpr int button_gap = 6;

const QString no_class_selected = QStringLiteral("No class selected.");

} // namespace

Form4::Form4(QWidget* parent)
    : QWidget{parent}
    , File1{new QListWidget{this}}
    , Image8{new QLabel{this}}
    , Label1{new QLabel{this}} {
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Quillmark - [Class Manager]"));
    setFixedSize(470, 300);
    setFont(ui::sans_serif());
    // The caption label is emptied when the mouse moves over the background.
    setMouseTracking(true);

    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(12, 12, 220, 276);
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(File1, &QListWidget::itemDoubleClicked, this, [this] { open_button(); });

    Image8->setObjectName(QStringLiteral("Image8"));
    Image8->setGeometry(244, 12, 214, 120);
    Image8->setAlignment(Qt::AlignCenter);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(244, 256, 214, 24);
    Label1->setAlignment(Qt::AlignCenter);

    // Two rows under the picture: the class commands, then backup, restore and quit.
    const auto make_button = [this](const char* name, ui::ButtonIcon picture, int row, int column,
                                    const QString& caption) {
        auto* button = new ui::ImageButton{this};
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(244 + column * (button_size + button_gap),
                            144 + row * (button_size + button_gap), button_size, button_size);
        button->setAlignment(Qt::AlignCenter);
        button->set_icon(ui::button_icon(picture), icon_size);
        connect(button, &ui::ImageButton::hovered, Label1,
                [this, caption] { Label1->setText(caption); });
        return button;
    };
    Image5 = make_button("Image5", ui::ButtonIcon::open_class, 0, 0,
                         QStringLiteral("Open Existing Class..."));
    Image6 = make_button("Image6", ui::ButtonIcon::new_class, 0, 1,
                         QStringLiteral("Create New Class..."));
    Image3 = make_button("Image3", ui::ButtonIcon::delete_class, 0, 2,
                         QStringLiteral("Delete Class..."));
    Image4 = make_button("Image4", ui::ButtonIcon::rename_class, 0, 3,
                         QStringLiteral("Rename Class..."));
    Image1 = make_button("Image1", ui::ButtonIcon::backup, 1, 0,
                         QStringLiteral("Backup Classes to floppy disk..."));
    Image7 = make_button("Image7", ui::ButtonIcon::restore, 1, 1,
                         QStringLiteral("Restore Classes from Backup..."));
    Image2 = make_button("Image2", ui::ButtonIcon::quit, 1, 3, QStringLiteral("Quit Quillmark"));

    connect(Image5, &ui::ImageButton::clicked, this, &Form4::open_button);
    connect(Image6, &ui::ImageButton::clicked, this, &Form4::create_class);
    connect(Image3, &ui::ImageButton::clicked, this, &Form4::delete_class);
    connect(Image4, &ui::ImageButton::clicked, this, &Form4::rename_class);
    connect(Image1, &ui::ImageButton::clicked, this, &Form4::backup);
    connect(Image7, &ui::ImageButton::clicked, this, &Form4::restore);
    connect(Image2, &ui::ImageButton::clicked, this, &Form4::quit);

    // A missing or unreadable picture leaves Image8 empty.
    const QPixmap books = ui::program_picture("books.gif");
    if (!books.isNull()) {
        Image8->setPixmap(
            books.scaled(Image8->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    refresh_files();
}

void Form4::load() {
    center();
    show();
}

void Form4::center() {
    ui::center(*this);
}

void Form4::open_button() {
    const std::string* file = selected_file();
    if (file == nullptr) {
        return;
    }
    if (const Result opened = open_class(*file); !opened) {
        const std::string name = *file;
        ui::msgbox(ui::to_qstring(opened.message()), ui::Icon::error, ui::Buttons::ok, this);
        // The file may have gone; one still listed stays selected.
        refresh_files();
        const auto listed = std::find(files_.begin(), files_.end(), name);
        if (listed != files_.end()) {
            File1->setCurrentRow(static_cast<int>(listed - files_.begin()));
        }
        return;
    }
    // Said once, here; the class opens all the same, without its categories.
    if (const Result categories = load_categories(); !categories) {
        ui::msgbox(ui::to_qstring(categories.message()), ui::Icon::exclamation, ui::Buttons::ok,
                   this);
    }
    emit class_opened();
    hide();
    close();
}

void Form4::create_class() {
    const QString name = ui::class_text_inputbox(
        QStringLiteral(
            "     Please enter a name for your new class. (Example: 'English - Period 1')"),
        {}, this);
    if (name.isEmpty()) {
        return;
    }
    const QString teacher = ui::class_text_inputbox(
        QStringLiteral("     Please enter your name as you would like it to appear on reports for "
                       "this class. You can modify this at a later time."),
        {}, this);
    if (teacher.isEmpty()) {
        return;
    }
    if (const Result created = create_class_file(program_folder(), ui::from_qstring(name));
        !created) {
        ui::msgbox(ui::to_qstring(created.message()), ui::Icon::error, ui::Buttons::ok, this);
        return;
    }
    instructor = ui::from_qstring(teacher);
    refresh_files();
}

void Form4::delete_class() {
    const std::string* file = selected_file();
    if (file == nullptr) {
        return;
    }
    if (ui::msgbox(QStringLiteral("Are you sure?"), ui::Icon::none, ui::Buttons::yes_no, this) !=
        ui::Answer::yes) {
        return;
    }
    if (const Result deleted = delete_class_file(program_folder(), *file); !deleted) {
        ui::msgbox(ui::to_qstring(deleted.message()), ui::Icon::error, ui::Buttons::ok, this);
    }
    refresh_files();
}

void Form4::rename_class() {
    const std::string* file = selected_file();
    if (file == nullptr) {
        return;
    }
    const QString answer =
        ui::class_text_inputbox(QStringLiteral("Rename Class?"), ui::to_qstring(*file), this);
    if (answer.isEmpty()) {
        return;
    }
    if (const Result renamed = rename_class_file(program_folder(), *file, ui::from_qstring(answer));
        !renamed) {
        ui::msgbox(ui::to_qstring(renamed.message()), ui::Icon::error, ui::Buttons::ok, this);
    }
    refresh_files();
}

void Form4::backup() {
    if (files_.empty()) {
        ui::msgbox(QStringLiteral("No files to backup."), ui::Icon::error, ui::Buttons::ok, this);
        return;
    }
    if (ui::msgbox(QStringLiteral("Backup all classes to floppy disk?"), ui::Icon::none,
                   ui::Buttons::yes_no, this) != ui::Answer::yes) {
        return;
    }
    ui::msgbox(QStringLiteral("Please place a blank floppy disk in drive A: and click 'OK'"),
               ui::Icon::none, ui::Buttons::ok, this);
    // Looked for only now: the teacher was just asked to put the disk in.
    const BackupDrive drive = backup_drive(program_folder());
    if (!drive) {
        ui::msgbox(ui::to_qstring(drive.refusal), ui::Icon::error, ui::Buttons::ok, this);
        return;
    }
    if (const Result copied = backup_classes(files_, drive.folder); !copied) {
        ui::msgbox(ui::to_qstring(copied.message()), ui::Icon::error, ui::Buttons::ok, this);
        return;
    }
    ui::msgbox(QStringLiteral("Backup was successful."), ui::Icon::none, ui::Buttons::ok, this);
}

void Form4::restore() {
    const BackupDrive drive = backup_drive(program_folder());
    if (!drive) {
        ui::msgbox(ui::to_qstring(drive.refusal), ui::Icon::error, ui::Buttons::ok, this);
        return;
    }
    // The question is asked with the disk's classes in view.
    show_files(drive.folder);
    if (files_.empty()) {
        ui::msgbox(QStringLiteral("No files to restore."), ui::Icon::error, ui::Buttons::ok, this);
    } else if (ui::msgbox(QStringLiteral("Retrieve all classes from floppy disk?"), ui::Icon::none,
                          ui::Buttons::yes_no, this) == ui::Answer::yes) {
        if (const Result copied = restore_classes(files_, drive.folder); !copied) {
            ui::msgbox(ui::to_qstring(copied.message()), ui::Icon::error, ui::Buttons::ok, this);
        } else {
            ui::msgbox(QStringLiteral("Restore was successful."), ui::Icon::none, ui::Buttons::ok,
                       this);
        }
    }
    refresh_files();
}

void Form4::quit() {
    hide();
    close();
    ui::end_program();
}

void Form4::mouseMoveEvent(QMouseEvent* event) {
    Label1->clear();
    event->accept();
}

void Form4::refresh_files() {
    show_files(program_folder());
}

void Form4::show_files(const std::filesystem::path& folder) {
    files_ = list_class_files(folder);
    File1->clear();
    for (const std::string& name : files_) {
        File1->addItem(ui::to_qstring(name));
    }
}

const std::string* Form4::selected_file() {
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    if (selected.isEmpty()) {
        ui::msgbox(no_class_selected, ui::Icon::error, ui::Buttons::ok, this);
        return nullptr;
    }
    return &files_.at(static_cast<std::size_t>(File1->row(selected.front())));
}

} // namespace quillmark
