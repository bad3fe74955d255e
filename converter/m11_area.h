#pragma once
// The conversion area of the 11M window: its size in screen pixels, the four
// arrow buttons that change it, the X and Y factors of their steps, the Mono
// mode, and the window geometry that follows from them.
//
// Rules:
//   - the width changes by mX * pixels per byte (8 or 32 monochrome, 4 or 16
//     four-colour), the height by mY (1 or 16);
//   - no side may be made smaller than 64 pixels by the buttons;
//   - the area's byte count, width * height / pixels per byte rounded half to
//     even, may not grow beyond 49144 bytes (the 11M picture data budget);
//   - nor may the area grow beyond what an 11M header describes and the
//     reader takes: at most 32767 lines, at most 4095 bytes a line. Repeated
//     switches between the modes could otherwise walk it out of both (8 x
//     33010 monochrome, or a line count of 0);
//   - a refused press disables the pressed button; an accepted one enables the
//     opposite button. A disabled button stays so until the opposite one
//     succeeds, the first picture, a picture larger than the area, or a switch
//     to monochrome.
//   - switching to four-colour halves the pixels a byte holds; the area then
//     shrinks 4 pixels narrower and 1 pixel lower per round until it fits,
//     which may leave it narrower than 64 pixels. With the limits above the
//     shrink always stops at a width of at least 4 pixels (one byte) and a
//     height of at least 1, and its lines stay within 4095 bytes;
//   - switching to monochrome keeps the area, except that an area narrower
//     than 8 pixels (one monochrome byte) widens to 8; its byte count stays
//     the four-colour one.
// Window geometry (client area, pixels): the picture window sits at (14, 33);
// the client area is the area plus 45 x 75. Its height always follows the
// area; its width follows only beyond 256 pixels (and at the switch to
// four-colour), and is never less than the design width of 301 pixels.
#include <array>

#include "formats/m11_file.h"

namespace converter::m11 {

inline constexpr int first_side = 256;
inline constexpr int minimum_side = 64;
inline constexpr int wide_window_threshold = 256;
inline constexpr int byte_budget = bk::m11::data_budget;
// The widest and highest areas whose lines an 11M header describes in either
// mode: a four-colour line of max_width pixels is max_line_width bytes.
inline constexpr int max_width = 4 * bk::m11::max_line_width;
inline constexpr int max_height = bk::m11::max_line_count;

// Client-area geometry of the window at design, in pixels.
inline constexpr int picture_left = 14;
inline constexpr int picture_top = 33;
inline constexpr int scroll_bar_thickness = 17;
inline constexpr int label_gap = 6;
inline constexpr int design_client_width = 301;
inline constexpr int design_client_height = 331;
// A scroll bar's arrow step is its Max / 50 (see arrow_step in rules.h).
inline constexpr int scroll_parts = 50;

using bk::m11::divide_half_even;

// Bytes of picture data an area holds, rounded half to even.
constexpr long long byte_count(int width, int height, int pixels_per_byte) {
    return divide_half_even(static_cast<long long>(width) * height, pixels_per_byte);
}

// Whether the buttons may grow an area to this size.
constexpr bool within_limits(int width, int height, int pixels_per_byte) {
    return width <= max_width && height <= max_height &&
           byte_count(width, height, pixels_per_byte) <= byte_budget;
}

// The arrow buttons, in the order of Command1..Command4.
enum class Arrow { narrower, shorter, taller, wider };

class Area {
  public:
    int width() const { return width_; }
    int height() const { return height_; }
    bool mono() const { return mono_; }
    int pixels_per_byte() const { return mono_ ? 8 : 4; }
    int mx() const { return mx_; }
    int my() const { return my_; }
    long long bytes() const { return byte_count(width_, height_, pixels_per_byte()); }
    bool enabled(Arrow arrow) const { return enabled_[index(arrow)]; }

    int client_width() const { return client_width_; }
    int client_height() const { return follow_height(height_); }
    // Top of the row of labels: below the horizontal scroll bar by the gap.
    int label_top() const { return picture_top + height_ + scroll_bar_thickness + label_gap; }

    // The first picture: 256 x 256, the design window, every button enabled.
    void first_picture();
    // A picture wider (taller) than the area enables the wider (taller) button.
    void picture_overhangs(bool wider, bool taller);
    // Presses an arrow button; false when the press was refused.
    bool press(Arrow arrow);
    void toggle_mx() { mx_ = mx_ == 1 ? 4 : 1; }
    void toggle_my() { my_ = my_ == 1 ? 16 : 1; }
    // Switches between monochrome and four-colour; gives the rounds the area
    // shrank by (0 when switching to monochrome).
    int toggle_mono();

  private:
    static constexpr int index(Arrow arrow) { return static_cast<int>(arrow); }
    static constexpr int follow_height(int height) {
        return height - first_side + design_client_height;
    }
    // The window's width follows the area's.
    void follow_width();
    bool change_width(Arrow arrow);
    bool change_height(Arrow arrow);
    void set_enabled(Arrow arrow, bool enabled) { enabled_[index(arrow)] = enabled; }

    int width_ = first_side;
    int height_ = first_side;
    bool mono_ = false;
    int mx_ = 1;
    int my_ = 1;
    int client_width_ = design_client_width;
    std::array<bool, 4> enabled_{};
};

// A scroll bar's relative position Value / Max in single precision, 0 when
// Max is 0.
float relative_position(int value, int max);
// The value at a relative position of a bar whose maximum is `max`, rounded
// half to even.
int value_at(float relative, int max);

}  // namespace converter::m11
