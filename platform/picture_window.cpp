#include "platform/picture_window.h"

#include <QPainter>

namespace platform {
namespace {

constexpr QRgb background = qRgb(0, 0, 0);

QImage blank_canvas(int width, int height) {
    QImage canvas(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    canvas.fill(background);
    return canvas;
}

}  // namespace

PictureWindow::PictureWindow(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    set_size(256, 256);
}

void PictureWindow::set_size(int width, int height) {
    QImage canvas = blank_canvas(width, height);
    if (!canvas_.isNull()) {
        QPainter painter(&canvas);
        painter.drawImage(0, 0, canvas_);
    }
    canvas_ = std::move(canvas);
    setFixedSize(canvas_.size());
    update();
}

void PictureWindow::set_picture(const QImage& picture) {
    // Transparent parts of a picture show black, as the empty window does.
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(background);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    painter.end();
    picture_ = std::move(opaque);
}

void PictureWindow::draw_picture(bool stretched, QPoint origin) {
    if (picture_.isNull()) return;
    QPainter painter(&canvas_);
    if (stretched) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(canvas_.rect(), picture_);
    } else {
        painter.drawImage(origin, picture_);
    }
    painter.end();
    update();
}

void PictureWindow::clear() {
    canvas_.fill(background);
    update();
}

std::int32_t PictureWindow::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= canvas_.width() || y >= canvas_.height()) return -1;
    const auto* line = reinterpret_cast<const QRgb*>(canvas_.constScanLine(y));
    return packed_colour(line[x]);
}

void PictureWindow::set_pixel(int x, int y, std::int32_t colour) {
    if (x < 0 || y < 0 || x >= canvas_.width() || y >= canvas_.height()) return;
    auto* line = reinterpret_cast<QRgb*>(canvas_.scanLine(y));
    line[x] = rgb_of(colour);
}

void PictureWindow::refresh() {
    repaint();
}

void PictureWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

}  // namespace platform
