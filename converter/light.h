#pragma once
// Light as the ditherers see it: sRGB channel values decoded to linear light
// (0..1), luminance, and OKLab, a colour space in which equal distances look
// about equally different.
#include <array>
#include <cstdint>

#include "platform/linear_light.h"

namespace converter::light {

using platform::linear_of_srgb;

// Relative luminance of linear red, green and blue (Rec. 709 primaries).
constexpr float luminance(float red, float green, float blue) {
    return 0.2126f * red + 0.7152f * green + 0.0722f * blue;
}

struct Lab {
    float l, a, b;
};

// OKLab of linear red, green and blue. Values a little outside 0..1, as
// error diffusion makes them, are allowed.
Lab oklab(float red, float green, float blue);

constexpr float distance2(const Lab& p, const Lab& q) {
    return (p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b);
}

}  // namespace converter::light
