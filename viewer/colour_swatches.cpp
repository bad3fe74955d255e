#include "viewer/colour_swatches.h"

#include <qdrawutil.h>

#include <QPainter>

#include "platform/picture_window.h"

namespace viewer {
namespace {

// A dotted rectangle inside the swatch when it has the keyboard focus, in a
// colour that shows on the swatch.
void draw_focus(QPainter& painter, const QRect& area, std::int32_t colour) {
    const QColor fill(platform::rgb_of(colour));
    painter.setPen(QPen(fill.lightness() > 128 ? Qt::black : Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(4, 4, -5, -5));
}

}  // namespace

ColourButton::ColourButton(std::int32_t colour, QWidget* parent)
    : QAbstractButton(parent), colour_(colour) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush fill{QColor(platform::rgb_of(colour_))};
    const bool pressed = isChecked() || isDown();
    qDrawWinButton(&painter, rect(), palette(), pressed, &fill);
    if (pressed) {  // a dark edge inside the sunken bevel, so the pressed one stands out
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
    if (hasFocus()) draw_focus(painter, rect(), colour_);
}

ColourSwatch::ColourSwatch(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void ColourSwatch::set_colour(std::int32_t colour) {
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(platform::rgb_of(colour_)));
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) draw_focus(painter, rect(), colour_);
}

}  // namespace viewer
