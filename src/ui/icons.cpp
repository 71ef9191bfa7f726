#include "ui/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quillmark::ui {
namespace {

// Every icon is drawn on a grid of 32 by 32 units: outlines 2 units wide on whole units, so
// they fall on pixel edges at 1x and at 2x.
constexpr double grid = 32.0;

const QColor ink{0x26, 0x32, 0x38};
const QColor paper{0xff, 0xff, 0xff};
const QColor blue{0x3f, 0x7f, 0xd9};
const QColor light_blue{0xb5, 0xd0, 0xf5};
const QColor yellow{0xf4, 0xc5, 0x42};
const QColor dark_yellow{0xd9, 0xa2, 0x1b};
const QColor green{0x3f, 0xa3, 0x4d};
const QColor red{0xd6, 0x45, 0x41};
const QColor grey{0xa7, 0xb1, 0xbc};
const QColor light_grey{0xe3, 0xe7, 0xec};
const QColor wood{0xb0, 0x7a, 0x45};

void outline_with(QPainter& painter, const QColor& fill, double width = 2.0) {
    painter.setPen(QPen{ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin});
    painter.setBrush(fill);
}

void polygon(QPainter& painter, std::initializer_list<QPointF> points, const QColor& fill) {
    outline_with(painter, fill);
    painter.drawPolygon(QPolygonF{QList<QPointF>{points}});
}

// A thick arrow from `from` to `to`, for what goes onto and off a disk or out of the door.
void arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour) {
    QPainterPath shaft;
    shaft.moveTo(from);
    shaft.lineTo(to);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen{ink, 7.0, Qt::SolidLine, Qt::RoundCap});
    painter.drawPath(shaft);
    painter.setPen(QPen{colour, 3.0, Qt::SolidLine, Qt::RoundCap});
    painter.drawPath(shaft);
}

void arrow_head(QPainter& painter, QPointF tip, QPointF back_left, QPointF back_right,
                const QColor& colour) {
    polygon(painter, {tip, back_left, back_right}, colour);
}

// A sheet of paper with a folded corner and two lines of writing.
void page(QPainter& painter, double left, double top, double right, double bottom) {
    polygon(painter,
            {{left, top}, {right - 6, top}, {right, top + 6}, {right, bottom}, {left, bottom}},
            paper);
    painter.drawPolyline(QPolygonF{{{right - 6, top}, {right - 6, top + 6}, {right, top + 6}}});
    painter.setPen(QPen{grey, 2.0, Qt::SolidLine, Qt::RoundCap});
    painter.drawLine(QPointF{left + 4, top + 11}, QPointF{right - 4, top + 11});
    painter.drawLine(QPointF{left + 4, top + 16}, QPointF{right - 4, top + 16});
}

void floppy_disk(QPainter& painter) {
    outline_with(painter, blue);
    painter.drawRoundedRect(QRectF{3, 5, 22, 24}, 2, 2);
    outline_with(painter, light_grey);
    painter.drawRect(QRectF{8, 5, 12, 8});
    painter.fillRect(QRectF{15, 7, 3, 4}, ink);
    outline_with(painter, paper);
    painter.drawRect(QRectF{7, 18, 14, 11});
}

void open_class(QPainter& painter) {
    polygon(painter, {{3, 27}, {3, 7}, {12, 7}, {14, 10}, {27, 10}, {27, 27}}, dark_yellow);
    page(painter, 7, 4, 23, 20);
    polygon(painter, {{3, 27}, {8, 15}, {30, 15}, {26, 27}}, yellow);
}

void new_class(QPainter& painter) {
    page(painter, 5, 3, 23, 29);
    outline_with(painter, green);
    painter.drawEllipse(QPointF{23, 23}, 7, 7);
    painter.setPen(QPen{paper, 2.0, Qt::SolidLine, Qt::FlatCap});
    painter.drawLine(QPointF{23, 19}, QPointF{23, 27});
    painter.drawLine(QPointF{19, 23}, QPointF{27, 23});
}

void delete_class(QPainter& painter) {
    polygon(painter, {{8, 10}, {24, 10}, {22, 29}, {10, 29}}, grey);
    painter.setPen(QPen{ink, 2.0, Qt::SolidLine, Qt::RoundCap});
    for (const double x : {13.0, 16.0, 19.0}) {
        painter.drawLine(QPointF{x, 14}, QPointF{x, 25});
    }
    outline_with(painter, light_grey);
    painter.drawRect(QRectF{12, 3, 8, 4});
    outline_with(painter, grey);
    painter.drawRoundedRect(QRectF{5, 6, 22, 4}, 1, 1);
}

void rename_class(QPainter& painter) {
    outline_with(painter, paper);
    painter.drawRoundedRect(QRectF{3, 5, 22, 14}, 2, 2);
    painter.setPen(QPen{blue, 2.0, Qt::SolidLine, Qt::RoundCap});
    painter.drawLine(QPointF{7, 12}, QPointF{17, 12});
    // A pencil lying from the upper right down to its point at the lower left.
    painter.save();
    painter.translate(11, 27);
    painter.rotate(-45);
    outline_with(painter, QColor{0xf1, 0xd2, 0xa0});
    painter.drawPolygon(QPolygonF{{{0, 0}, {6, -3}, {6, 3}}});
    outline_with(painter, yellow);
    painter.drawRect(QRectF{6, -3, 14, 6});
    outline_with(painter, QColor{0xe8, 0x8a, 0x96});
    painter.drawRect(QRectF{20, -3, 4, 6});
    painter.restore();
}

void backup(QPainter& painter) {
    floppy_disk(painter);
    arrow(painter, {26, 3}, {26, 13}, green);
    arrow_head(painter, {26, 20}, {21, 13}, {31, 13}, green);
}

void restore(QPainter& painter) {
    floppy_disk(painter);
    arrow(painter, {26, 20}, {26, 10}, green);
    arrow_head(painter, {26, 3}, {21, 10}, {31, 10}, green);
}

void quit(QPainter& painter) {
    outline_with(painter, light_grey);
    painter.drawRect(QRectF{5, 3, 16, 26});
    polygon(painter, {{5, 3}, {15, 7}, {15, 31}, {5, 29}}, wood);
    outline_with(painter, ink, 1.0);
    painter.drawEllipse(QPointF{12.5, 18}, 1, 1);
    arrow(painter, {15, 16}, {24, 16}, red);
    arrow_head(painter, {31, 16}, {24, 11}, {24, 21}, red);
}

// A student: head and shoulders, centred on x.
void student(QPainter& painter, double x, double top, const QColor& shirt) {
    QPainterPath shoulders;
    shoulders.moveTo(x - 8, 29);
    shoulders.cubicTo(x - 8, top + 10, x + 8, top + 10, x + 8, 29);
    shoulders.closeSubpath();
    outline_with(painter, shirt);
    painter.drawPath(shoulders);
    outline_with(painter, QColor{0xf6, 0xd5, 0xb3});
    painter.drawEllipse(QPointF{x, top + 5}, 5, 5);
}

void seating_planner(QPainter& painter) {
    student(painter, 21, 4, green);
    student(painter, 11, 7, blue);
}

void curve_wizard(QPainter& painter) {
    QPainterPath bell;
    bell.moveTo(4, 28);
    bell.cubicTo(11, 28, 11, 7, 16, 7);
    bell.cubicTo(21, 7, 21, 28, 28, 28);
    outline_with(painter, light_blue);
    painter.drawPath(bell);
    painter.setPen(QPen{ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin});
    painter.drawPolyline(QPolygonF{{{3, 3}, {3, 29}, {29, 29}}});
    // The wizard's spark.
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 5.0 : 2.0;
        star << QLineF::fromPolar(radius, 90 + 36 * i).translated(25, 7).p2();
    }
    outline_with(painter, yellow, 1.5);
    painter.drawPolygon(star);
}

void blank_screen(QPainter& painter) {
    outline_with(painter, grey);
    painter.drawRect(QRectF{13, 23, 6, 4});
    painter.drawRoundedRect(QRectF{8, 27, 16, 3}, 1, 1);
    outline_with(painter, light_grey);
    painter.drawRoundedRect(QRectF{2, 4, 28, 20}, 2, 2);
    painter.fillRect(QRectF{5, 7, 22, 14}, ink);
    // A padlock on the dark screen: the gradebook is kept from view.
    painter.setPen(QPen{yellow, 2.0});
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF{13, 8, 6, 8}, 0, 180 * 16);
    painter.fillRect(QRectF{12, 12, 8, 7}, yellow);
}

void priority_support(QPainter& painter) {
    QPainterPath ring;
    ring.addEllipse(QPointF{16, 16}, 13, 13);
    ring.addEllipse(QPointF{16, 16}, 6, 6);
    outline_with(painter, paper);
    painter.drawPath(ring);
    painter.save();
    painter.setClipPath(ring);
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    for (int quarter = 0; quarter < 4; ++quarter) {
        painter.drawPie(QRectF{2, 2, 28, 28}, (45 + 90 * quarter - 20) * 16, 40 * 16);
    }
    painter.restore();
    outline_with(painter, Qt::transparent);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ring);
}

using Drawing = void (*)(QPainter&);

Drawing drawing_of(ButtonIcon which) {
    switch (which) {
    case ButtonIcon::open_class:
        return open_class;
    case ButtonIcon::new_class:
        return new_class;
    case ButtonIcon::delete_class:
        return delete_class;
    case ButtonIcon::rename_class:
        return rename_class;
    case ButtonIcon::backup:
        return backup;
    case ButtonIcon::restore:
        return restore;
    case ButtonIcon::quit:
        return quit;
    case ButtonIcon::seating_planner:
        return seating_planner;
    case ButtonIcon::curve_wizard:
        return curve_wizard;
    case ButtonIcon::blank_screen:
        return blank_screen;
    case ButtonIcon::priority_support:
        return priority_support;
    }
    return open_class;
}

// Draws at the size asked for, so each pixel of a 2x screen has its own.
class DrawnIcon : public QIconEngine {
public:
    explicit DrawnIcon(Drawing drawing)
        : drawing_{drawing} {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/,
               QIcon::State /*state*/) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / grid, rect.height() / grid);
        drawing_(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap{size};
        pixmap.fill(Qt::transparent);
        QPainter painter{&pixmap};
        paint(&painter, QRect{QPoint{}, size}, mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new DrawnIcon{drawing_}; }

private:
    Drawing drawing_;
};

} // namespace

QIcon button_icon(ButtonIcon which) {
    return QIcon{new DrawnIcon{drawing_of(which)}};
}

} // namespace quillmark::ui
