#include "platform/picture_window.h"

#include <QPainter>

namespace platform {

PictureWindow::PictureWindow(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(canvas_.image().size());
}

void PictureWindow::set_size(int width, int height) {
    canvas_.set_size(width, height);
    setFixedSize(canvas_.image().size());
    update();
}

void PictureWindow::draw_picture(bool stretched, QPoint origin, Stretch stretch) {
    canvas_.draw_picture(stretched, origin, stretch);
    update();
}

void PictureWindow::clear() {
    canvas_.clear();
    update();
}

void PictureWindow::refresh() {
    repaint();
}

void PictureWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.image());
}

}  // namespace platform
