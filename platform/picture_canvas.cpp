#include "platform/picture_canvas.h"

#include <QPainter>

#include "platform/area_scale.h"

namespace platform {
namespace {

constexpr QRgb background = qRgb(0, 0, 0);

QImage blank_canvas(int width, int height) {
    QImage canvas(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    canvas.fill(background);
    return canvas;
}

bool inside(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

}  // namespace

PictureCanvas::PictureCanvas(int width, int height) : canvas_(blank_canvas(width, height)) {}

PictureCanvas::PictureCanvas(const QImage& image)
    : canvas_(image.convertToFormat(QImage::Format_RGB32)) {}

void PictureCanvas::set_size(int width, int height) {
    QImage canvas = blank_canvas(width, height);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, canvas_);
    painter.end();
    canvas_ = std::move(canvas);
}

void PictureCanvas::set_picture(const QImage& picture) {
    averaged_ = QImage();
    if (!picture.hasAlphaChannel()) {
        picture_ = picture.convertToFormat(QImage::Format_RGB32);
        return;
    }
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(background);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    painter.end();
    picture_ = std::move(opaque);
}

void PictureCanvas::draw_picture(bool stretched, QPoint origin, Stretch stretch) {
    if (picture_.isNull()) return;
    QPainter painter(&canvas_);
    if (stretched && stretch == Stretch::area_average) {
        if (averaged_.size() != canvas_.size()) averaged_ = scale_by_area(picture_, canvas_.size());
        painter.drawImage(0, 0, averaged_);
    } else if (stretched) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(canvas_.rect(), picture_);
    } else {
        painter.drawImage(origin, picture_);
    }
}

void PictureCanvas::draw_picture_in(QRect place, Stretch stretch) {
    if (picture_.isNull()) return;
    clear();
    const QRect visible = place & canvas_.rect();
    if (visible.isEmpty()) return;
    QPainter painter(&canvas_);
    if (stretch == Stretch::area_average) {
        painter.drawImage(visible.topLeft(), scale_by_area(picture_, place.size(),
                                                           visible.translated(-place.topLeft())));
        return;
    }
    // Only the part of the picture that lands on the canvas, so that a
    // place far larger than the canvas costs no more than the canvas.
    const double x_scale = double(picture_.width()) / place.width();
    const double y_scale = double(picture_.height()) / place.height();
    const QRectF part((visible.left() - place.left()) * x_scale,
                      (visible.top() - place.top()) * y_scale, visible.width() * x_scale,
                      visible.height() * y_scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(visible), picture_, part);
}

void PictureCanvas::clear() {
    canvas_.fill(background);
}

std::int32_t PictureCanvas::pixel(int x, int y) const {
    if (!inside(canvas_, x, y)) return -1;
    return packed_colour(reinterpret_cast<const QRgb*>(canvas_.constScanLine(y))[x]);
}

void PictureCanvas::set_pixel(int x, int y, std::int32_t colour) {
    if (!inside(canvas_, x, y)) return;
    reinterpret_cast<QRgb*>(canvas_.scanLine(y))[x] = rgb_of(colour);
}

}  // namespace platform
