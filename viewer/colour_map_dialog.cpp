#include "viewer/colour_map_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>

#include "platform/ok_button.h"
#include "platform/picture_window.h"
#include "viewer/colour_swatches.h"

namespace viewer {
namespace {

// Geometry in pixels. Each frame adds frame_step to the dialog's height.
constexpr int margin = 7;
constexpr int frame_width = 265;
constexpr int frame_height = 47;
constexpr int frame_step = 52;
constexpr int swatch_top = 22;  // within a frame, below its caption
constexpr int first_frame_top = 8;
constexpr int colors_height = 88;
constexpr int button_step = 32;
constexpr QSize ok_size{65, 25};
constexpr int client_width = 279;

constexpr int frames_end(int frames) {
    return first_frame_top + frames * frame_step;
}

// "Red" -> "Colour for red".
QString swatch_name(const char* caption) {
    return "Colour for " + QString(caption).toLower();
}

}  // namespace

ColourMapDialog::ColourMapDialog(ViewerState& state, ColourDialog which, const char* object_name,
                                 const char* caption, std::span<const SwatchTarget> targets,
                                 QWidget* parent)
    : QDialog(parent), state_(state), which_(which), targets_(targets.begin(), targets.end()) {
    setObjectName(object_name);
    setWindowTitle(caption);
    const int frames = static_cast<int>(targets_.size());
    const int ok_top = frames_end(frames) + colors_height + 12;
    setFixedSize(client_width, ok_top + ok_size.height() + 10);
    for (int i = 0; i < frames; ++i) add_swatch_frame(i, targets_[i]);
    add_colour_buttons(frames_end(frames));
    platform::add_closing_ok_button(
        *this, QRect(QPoint((client_width - ok_size.width()) / 2, ok_top), ok_size));

    // Load: the recorded button is pressed again, which makes its colour
    // the current dialog colour, and the swatches show the maps as they are.
    buttons_[state_.pressed(which_)]->setChecked(true);
    for (std::size_t i = 0; i < targets_.size(); ++i) {
        swatches_[i]->set_colour(entry_of(targets_[i]));
    }
}

void ColourMapDialog::add_swatch_frame(int number, const SwatchTarget& target) {
    auto* frame = new QGroupBox(target.caption, this);
    frame->setObjectName(QString("Frame%1").arg(number + 1));
    frame->setGeometry(margin, first_frame_top + number * frame_step, frame_width, frame_height);

    auto* fixed = new QLabel(frame);
    fixed->setObjectName(QString("Label%1").arg(2 * number + 1));
    fixed->setAccessibleName(target.caption);
    fixed->setGeometry(12, swatch_top, 20, 20);
    fixed->setFrameStyle(QFrame::Box | QFrame::Plain);
    fixed->setAutoFillBackground(true);
    QPalette palette = fixed->palette();
    palette.setColor(QPalette::Window, QColor(platform::rgb_of(target.fixed)));
    fixed->setPalette(palette);

    auto* arrow = new QLabel("----------------------------------->", frame);
    arrow->setObjectName(QString("Arrow%1").arg(number + 1));
    arrow->setGeometry(40, swatch_top, 185, 20);
    arrow->setAlignment(Qt::AlignCenter);

    auto* swatch = new ColourSwatch(frame);
    swatch->setObjectName(QString("Label%1").arg(2 * number + 2));
    swatch->setAccessibleName(swatch_name(target.caption));
    swatch->setToolTip(swatch->accessibleName());
    swatch->setGeometry(233, swatch_top, 20, 20);
    const std::size_t index = swatches_.size();
    connect(swatch, &ColourSwatch::clicked, this, [this, index] { swatch_clicked(index); });
    swatches_.push_back(swatch);
}

void ColourMapDialog::add_colour_buttons(int top) {
    auto* frame = new QGroupBox("Colors", this);
    frame->setObjectName(QString("Frame%1").arg(targets_.size() + 1));
    frame->setGeometry(margin, top, frame_width, colors_height);
    auto* group = new QButtonGroup(frame);
    group->setExclusive(true);
    for (int k = 0; k < colour_buttons; ++k) {
        const DialogColour& colour = dialog_colours[k];
        auto* button = new ColourButton(colour.packed, frame);
        button->setObjectName(QString("Option%1").arg(k + 1));
        button->setAccessibleName(colour.name);
        button->setToolTip(colour.name);
        button->setGeometry(10 + (k % colour_buttons_per_row) * button_step,
                            22 + (k / colour_buttons_per_row) * button_step, 21, 21);
        group->addButton(button, k);
        buttons_[k] = button;
    }
    // A button becomes the pressed one by the mouse, a key or an
    // accessibility action alike. A click on the button already pressed
    // changes no state but still takes its colour, which the other dialog
    // may have replaced meanwhile.
    connect(group, &QButtonGroup::idToggled, this, [this](int button, bool checked) {
        if (checked) colour_pressed(button);
    });
    connect(group, &QButtonGroup::idClicked, this, &ColourMapDialog::colour_pressed);
}

void ColourMapDialog::colour_pressed(int button) {
    state_.press(which_, button);
}

void ColourMapDialog::swatch_clicked(std::size_t target) {
    swatches_[target]->set_colour(state_.dialog_colour);
    entry_of(targets_[target]) = state_.dialog_colour;
}

std::int32_t& ColourMapDialog::entry_of(const SwatchTarget& target) {
    return target.mono ? state_.maps.mono.at(target.entry) : state_.maps.colour.at(target.entry);
}

}  // namespace viewer
