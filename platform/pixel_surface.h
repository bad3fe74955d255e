#pragma once
// The picture window as the conversions see it: a grid of screen pixels
// holding packed colour values red + 256 * green + 65536 * blue.
#include <cstdint>

namespace platform {

class PixelSurface {
  public:
    virtual ~PixelSurface() = default;
    virtual int pixel_width() const = 0;
    virtual int pixel_height() const = 0;
    // -1 outside the drawable area.
    virtual std::int32_t pixel(int x, int y) const = 0;
    // Ignored outside the drawable area.
    virtual void set_pixel(int x, int y, std::int32_t colour) = 0;
    // Shows what has been drawn so far, at once.
    virtual void refresh() = 0;
};

}  // namespace platform
