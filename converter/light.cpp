#include "converter/light.h"

#include <bit>
#include <cmath>

namespace converter::light {
namespace {

// Cube root to about 0.2 % without the library call, enough to choose the
// nearest colour: a guess from the exponent bits and one Newton step. Odd:
// negative in, negative out.
float cube_root(float x) {
    const float magnitude = std::fabs(x);
    if (magnitude < 1e-30f) return 0.0f;
    float y = std::bit_cast<float>(std::bit_cast<std::uint32_t>(magnitude) / 3 + 709921077u);
    y = (2.0f * y + magnitude / (y * y)) * (1.0f / 3.0f);
    return x < 0 ? -y : y;
}

}  // namespace

Lab oklab(float red, float green, float blue) {
    const float l = cube_root(0.4122214708f * red + 0.5363325363f * green + 0.0514459929f * blue);
    const float m = cube_root(0.2119034982f * red + 0.6806995451f * green + 0.1073969566f * blue);
    const float s = cube_root(0.0883024619f * red + 0.2817188376f * green + 0.6299787005f * blue);
    return {0.2104542553f * l + 0.7936177850f * m - 0.0040720468f * s,
            1.9779984951f * l - 2.4285922050f * m + 0.4505937099f * s,
            0.0259040371f * l + 0.7827717662f * m - 0.8086757660f * s};
}

}  // namespace converter::light
