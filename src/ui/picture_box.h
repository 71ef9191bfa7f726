#pragma once

#include <vector>

#include <QColor>
#include <QRect>
#include <QWidget>

namespace quillmark::ui {

// A picture area drawn with cleared and filled rectangles given in twips. It keeps the
// rectangles, so it repaints itself and shows what it holds.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    struct Filled {
        QRect area; // twips, normalised; both corners belong to it
        QColor color;
    };

    explicit PictureBox(QWidget* parent = nullptr);

    // Back to the background colour alone.
    void clear();
    // A filled rectangle between two opposite corners, both of which it covers; parts outside
    // the picture are cut off when painted.
    void fill_rectangle(QPoint corner, QPoint opposite, const QColor& color);

    const std::vector<Filled>& rectangles() const { return rectangles_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Filled> rectangles_;
};

} // namespace quillmark::ui
