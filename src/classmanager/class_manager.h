#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QWidget>

class QLabel;
class QListWidget;

namespace quillmark {

namespace ui {
class ImageButton;
}

// The class manager: the class files of the program folder and the commands on them.
class Form4 : public QWidget {
    Q_OBJECT

public:
    // Comes with its picture and the class files of the program folder listed.
    explicit Form4(QWidget* parent = nullptr);

    // Centres and shows the window.
    void load();
    void center();

    // Makes the selected class the open class and closes the class manager.
    void open_button();
    void create_class();
    void delete_class();
    void rename_class();
    // Copies every listed class to the backup drive, or every class on it back.
    void backup();
    void restore();
    void quit();

signals:
    // The selected class is now the open class, for the gradebook to show.
    void class_opened();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Points File1 at the program folder.
    void refresh_files();
    void show_files(const std::filesystem::path& folder);
    // The selected file's name, or nothing after "No class selected." was shown.
    const std::string* selected_file();

    QListWidget* File1;
    ui::ImageButton* Image1;
    ui::ImageButton* Image2;
    ui::ImageButton* Image3;
    ui::ImageButton* Image4;
    ui::ImageButton* Image5;
    ui::ImageButton* Image6;
    ui::ImageButton* Image7;
    QLabel* Image8;
    QLabel* Label1;
    std::vector<std::string> files_; // File1's names as Windows-1252 text, row by row
};

} // namespace quillmark
