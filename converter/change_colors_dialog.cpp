#include "converter/change_colors_dialog.h"

#include <QGroupBox>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>

#include "formats/bk_screen.h"
#include "platform/ok_button.h"
#include "platform/picture_window.h"

namespace converter {
namespace {

constexpr QSize button_size{34, 18};

struct FrameInfo {
    const char* caption;
    bk::ColourIndex own;
    std::array<bk::ColourIndex, 3> swaps;
};

constexpr std::array<FrameInfo, 4> frames{{{"Red", bk::red, {bk::green, bk::blue, bk::black}},
                                           {"Green", bk::green, {bk::red, bk::blue, bk::black}},
                                           {"Blue", bk::blue, {bk::red, bk::green, bk::black}},
                                           {"Black", bk::black, {bk::red, bk::green, bk::blue}}}};

const char* colour_name(bk::ColourIndex index) {
    switch (index) {
        case bk::red:
            return "red";
        case bk::green:
            return "green";
        case bk::blue:
            return "blue";
        case bk::black:
            break;
    }
    return "black";
}

QColor qt_colour(bk::ColourIndex index) {
    return QColor(platform::rgb_of(bk::drawn_colour(index)));
}

// The class's colour on the left, the colour it turns into on the right;
// the pressed look adds a white arrow between them.
QPixmap swap_picture(bk::ColourIndex from, bk::ColourIndex to, bool pressed) {
    QPixmap picture(button_size);
    QPainter painter(&picture);
    const int half = button_size.width() / 2;
    painter.fillRect(0, 0, half, button_size.height(), qt_colour(from));
    painter.fillRect(half, 0, button_size.width() - half, button_size.height(), qt_colour(to));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, button_size.width() - 1, button_size.height() - 1);
    if (pressed) {
        painter.setPen(QPen(Qt::white, 2));
        painter.drawLine(half - 6, 9, half + 6, 9);
        painter.drawLine(half + 2, 5, half + 6, 9);
        painter.drawLine(half + 2, 13, half + 6, 9);
    }
    return picture;
}

}  // namespace

Form4::Form4(SwapFlags& flags, QWidget* parent) : QDialog(parent), flags_(flags) {
    setObjectName("Form4");
    setWindowTitle("Change colors");
    setFixedSize(168, 258);
    for (int f = 0; f < 4; ++f) {
        const FrameInfo& info = frames[f];
        auto* frame = new QGroupBox(info.caption, this);
        frame->setObjectName(QString("Frame%1").arg(f + 1));
        frame->setGeometry(8, 6 + f * 54, 152, 48);
        for (int i = 0; i < 3; ++i) {
            const int flag = f * 3 + i;
            auto* button = new QToolButton(frame);
            button->setObjectName(QString("Check%1").arg(flag + 1));
            button->setAccessibleName(
                QString("%1 to %2").arg(colour_name(info.own), colour_name(info.swaps[i])));
            button->setToolTip(button->accessibleName());
            QIcon icon;
            icon.addPixmap(swap_picture(info.own, info.swaps[i], false), QIcon::Normal, QIcon::Off);
            icon.addPixmap(swap_picture(info.own, info.swaps[i], true), QIcon::Normal, QIcon::On);
            button->setIcon(icon);
            button->setIconSize(button_size);
            button->setCheckable(true);
            button->setChecked(flags_[flag]);
            button->setGeometry(10 + i * 46, 20, button_size.width() + 4, button_size.height() + 4);
            connect(button, &QToolButton::toggled, this,
                    [this, flag](bool checked) { button_toggled(flag, checked); });
            buttons_[flag] = button;
        }
    }
    platform::add_closing_ok_button(*this, {52, 224, 65, 25});
}

void Form4::focus_first() {
    buttons_[0]->setFocus();
}

// A mouse click, a key or an accessibility action: each arrives as a change
// of the pressed state. The buttons let go here do not report back.
void Form4::button_toggled(int flag, bool checked) {
    flags_[flag] = checked;
    const int first = flag / 3 * 3;
    for (int other = first; checked && other < first + 3; ++other) {
        if (other == flag || !buttons_[other]->isChecked()) continue;
        const QSignalBlocker quiet(buttons_[other]);
        buttons_[other]->setChecked(false);
        flags_[other] = false;
    }
    emit changed();
}

}  // namespace converter
