#pragma once
// What an 11M Convert walks and the header it writes.
//
// The area's width is a multiple of the pixels per byte whenever the arrow
// buttons made it. Switching from four-colour to monochrome keeps a width
// that may be 4 more than a multiple of 8 (260, say); a monochrome Convert
// then takes the leftmost whole bytes only (256 columns), so that every line
// starts on a byte boundary and the header's line width describes the lines.
#include <cstdint>
#include <vector>

#include "engine/dither.h"
#include "engine/rules.h"
#include "formats/m11_file.h"
#include "platform/pixel_surface.h"

namespace converter::m11 {

struct ConversionPlan {
    int width = 0;  // columns decided and written, from the left
    bk::m11::Header header;
};

ConversionPlan plan_conversion(int area_width, int area_height, int pixels_per_byte);

// The leftmost columns of a surface, as a surface of its own.
class LeftColumns : public platform::PixelSurface {
  public:
    LeftColumns(platform::PixelSurface& whole, int width) : whole_(whole), width_(width) {}
    int pixel_width() const override { return width_; }
    int pixel_height() const override { return whole_.pixel_height(); }
    std::int32_t pixel(int x, int y) const override { return x < width_ ? whole_.pixel(x, y) : -1; }
    void set_pixel(int x, int y, std::int32_t colour) override {
        if (x < width_) whole_.set_pixel(x, y, colour);
    }
    void refresh() override { whole_.refresh(); }

  private:
    platform::PixelSurface& whole_;
    int width_;
};

// The picture data of a Convert: the plan's columns of `surface`, decided,
// drawn back and packed row by row.
std::vector<std::uint8_t> walk_mono_11m(platform::PixelSurface& surface, const ConversionPlan& plan,
                                        int bw_level, Dither dither = Dither::none);
// Only the swaps among red, green and blue act here (flags 1, 2, 4, 5, 7, 8).
std::vector<std::uint8_t> walk_colour_11m(platform::PixelSurface& surface,
                                          const ConversionPlan& plan, const ColourLevels& levels,
                                          const SwapFlags& flags, Dither dither = Dither::none);

}  // namespace converter::m11
