#include "converter/m11_pictures.h"

#include <QPainter>
#include <QPolygon>

namespace converter {
namespace {

QImage transparent(int width, int height) {
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    return picture;
}

// A right-pointing arrow, 12 x 8: a shaft of two rows and a head as tall as
// the picture.
QImage right_arrow() {
    QImage picture = transparent(12, 8);
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(0, 3, 8, 2);
    painter.drawPolygon(QPolygon({QPoint(7, 0), QPoint(12, 4), QPoint(7, 8)}));
    return picture;
}

}  // namespace

QImage arrow_picture(ArrowDirection direction) {
    const QImage right = right_arrow();
    switch (direction) {
        case ArrowDirection::left:
            return right.mirrored(true, false);
        case ArrowDirection::up:
            return right.transformed(QTransform().rotate(-90));
        case ArrowDirection::down:
            return right.transformed(QTransform().rotate(90));
        case ArrowDirection::right:
            break;
    }
    return right;
}

QImage letter_picture(char letter) {
    QImage picture = transparent(21, 14);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
    if (letter == 'X') {
        painter.drawLine(QPointF(6, 1), QPointF(15, 13));
        painter.drawLine(QPointF(15, 1), QPointF(6, 13));
    } else {
        painter.drawLine(QPointF(6, 1), QPointF(10.5, 7));
        painter.drawLine(QPointF(15, 1), QPointF(10.5, 7));
        painter.drawLine(QPointF(10.5, 7), QPointF(10.5, 13));
    }
    return picture;
}

QIcon picture_icon(const QImage& picture) {
    return QIcon(QPixmap::fromImage(picture));
}

}  // namespace converter
