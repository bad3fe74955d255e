#pragma once
// A picture surface held in memory, for walks that need no window.
#include <vector>

#include "platform/pixel_surface.h"

namespace platform {

class MemorySurface : public PixelSurface {
  public:
    MemorySurface(int width, int height, std::int32_t fill = 0)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

    int pixel_width() const override { return width_; }
    int pixel_height() const override { return height_; }
    std::int32_t pixel(int x, int y) const override {
        return inside(x, y) ? pixels_[index(x, y)] : -1;
    }
    void set_pixel(int x, int y, std::int32_t colour) override {
        if (inside(x, y)) pixels_[index(x, y)] = colour;
    }
    void refresh() override { ++refreshes_; }

    int refreshes() const { return refreshes_; }

  private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<std::int32_t> pixels_;
    int refreshes_ = 0;
};

}  // namespace platform
