#pragma once
// Light as the ditherers see it: sRGB channel values decoded to linear light
// (0..1), and the matrices of OKLab, a colour space in which equal distances
// look about equally different.
#include <array>
#include <cstdint>

#include "platform/linear_light.h"

namespace converter::light {

using platform::linear_of_encoded;
using platform::linear_of_srgb;

// The cone responses (l, m, s) of linear red, green and blue, on which OKLab
// is built: each a row of this matrix times (red, green, blue).
inline constexpr float lms_of_rgb[3][3] = {{0.4122214708f, 0.5363325363f, 0.0514459929f},
                                           {0.2119034982f, 0.6806995451f, 0.1073969566f},
                                           {0.0883024619f, 0.2817188376f, 0.6299787005f}};

// OKLab from the cube roots of the cone responses: each a row of this
// matrix times (l', m', s').
inline constexpr float lab_of_lms[3][3] = {{0.2104542553f, 0.7936177850f, -0.0040720468f},
                                           {1.9779984951f, -2.4285922050f, 0.4505937099f},
                                           {0.0259040371f, 0.7827717662f, -0.8086757660f}};

}  // namespace converter::light
