#include "converter/m11_area.h"

#include <algorithm>
#include <cmath>

namespace converter::m11 {

void Area::first_picture() {
    width_ = first_side;
    height_ = first_side;
    client_width_ = design_client_width;
    enabled_.fill(true);
}

void Area::picture_overhangs(bool wider, bool taller) {
    if (wider) set_enabled(Arrow::wider, true);
    if (taller) set_enabled(Arrow::taller, true);
}

bool Area::press(Arrow arrow) {
    if (arrow == Arrow::narrower || arrow == Arrow::wider) return change_width(arrow);
    return change_height(arrow);
}

bool Area::change_width(Arrow arrow) {
    const int step = mx_ * pixels_per_byte();
    if (arrow == Arrow::narrower) {
        const int width = width_ - step;
        if (width < minimum_side) {
            set_enabled(Arrow::narrower, false);
            return false;
        }
        width_ = width;
        if (width >= wide_window_threshold) follow_width();
        set_enabled(Arrow::wider, true);
        return true;
    }
    const int width = width_ + step;
    if (!within_limits(width, height_, pixels_per_byte())) {
        set_enabled(Arrow::wider, false);
        return false;
    }
    width_ = width;
    if (width > wide_window_threshold) follow_width();
    set_enabled(Arrow::narrower, true);
    return true;
}

bool Area::change_height(Arrow arrow) {
    const bool lower = arrow == Arrow::shorter;
    const int height = lower ? height_ - my_ : height_ + my_;
    const bool refused =
        lower ? height < minimum_side : !within_limits(width_, height, pixels_per_byte());
    if (refused) {
        set_enabled(arrow, false);
        return false;
    }
    height_ = height;
    set_enabled(lower ? Arrow::taller : Arrow::shorter, true);
    return true;
}

int Area::toggle_mono() {
    if (!mono_) {
        mono_ = true;
        width_ = std::max(width_, pixels_per_byte());  // at least one byte a line
        // A byte holds twice the pixels now, so the area may grow again.
        set_enabled(Arrow::taller, true);
        set_enabled(Arrow::wider, true);
        return 0;
    }
    mono_ = false;
    int rounds = 0;
    while (bytes() > byte_budget) {
        --height_;
        width_ -= 4;
        ++rounds;
    }
    follow_width();
    return rounds;
}

// NOTE: the window is never made narrower than its design width: a narrower
// one would hide the buttons that widen the area again.
void Area::follow_width() {
    client_width_ = std::max(design_client_width, width_ - first_side + design_client_width);
}

float relative_position(int value, int max) {
    return max == 0 ? 0.0f : static_cast<float>(value) / static_cast<float>(max);
}

int value_at(float relative, int max) {
    return static_cast<int>(std::nearbyint(static_cast<float>(max) * relative));
}

}  // namespace converter::m11
