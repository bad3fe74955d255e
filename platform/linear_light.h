#pragma once
// sRGB channel values (0..255) and linear light (0..1), where light adds up.
#include <array>
#include <cstdint>

namespace platform {

// Linear light of an sRGB value in 0..1.
double linear_of_encoded(double value);

// Linear light of each sRGB channel value.
const std::array<float, 256>& linear_of_srgb();

// The nearest sRGB channel value of linear light; outside 0..1 clamped.
std::uint8_t srgb_of_linear(float linear);

}  // namespace platform
