#include "platform/picture_window.h"

#include <QPaintEvent>
#include <QPainter>

namespace platform {
namespace {

// About a frame of a 60 Hz screen.
constexpr qint64 frame_milliseconds = 16;

}  // namespace

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

void PictureWindow::draw_picture_in(QRect place, Stretch stretch) {
    canvas_.draw_picture_in(place, stretch);
    update();
}

void PictureWindow::clear() {
    canvas_.clear();
    update();
}

void PictureWindow::refresh() {
    if (changed_bottom_ < changed_top_) return;
    if (!shown_.isValid() || shown_.elapsed() >= frame_milliseconds) {
        show_changed_rows();
    } else if (!show_pending_) {
        show_pending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                show_pending_ = false;
                show_changed_rows();
            },
            Qt::QueuedConnection);
    }
}

void PictureWindow::show_changed_rows() {
    const QRect changed =
        QRect(0, changed_top_, width(), changed_bottom_ - changed_top_ + 1) & rect();
    changed_top_ = INT_MAX;
    changed_bottom_ = -1;
    shown_.start();
    if (!changed.isEmpty()) repaint(changed);
}

void PictureWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas_.image(), event->rect());
}

}  // namespace platform
