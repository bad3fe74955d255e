#pragma once
#include "platform/memory_surface.h"

namespace bench {

// A surface filled with a gradient that crosses every threshold.
inline platform::MemorySurface gradient_surface(int width, int height) {
    platform::MemorySurface surface(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            surface.set_pixel(x, y, (x & 255) | ((y & 255) << 8) | (((x + y) & 255) << 16));
        }
    }
    return surface;
}

}  // namespace bench
