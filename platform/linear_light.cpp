#include "platform/linear_light.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {
namespace {

constexpr int encode_steps = 16384;  // within 0.1 of a level in the darks

double encode(double v) {
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

}  // namespace

double linear_of_encoded(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

const std::array<float, 256>& linear_of_srgb() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        for (int i = 0; i < 256; ++i) t[i] = float(linear_of_encoded(i / 255.0));
        return t;
    }();
    return table;
}

std::uint8_t srgb_of_linear(float linear) {
    static const std::vector<std::uint8_t> table = [] {
        std::vector<std::uint8_t> t(encode_steps);
        for (int i = 0; i < encode_steps; ++i)
            t[i] = std::uint8_t(std::lround(encode(double(i) / (encode_steps - 1)) * 255));
        return t;
    }();
    return table[std::clamp(int(linear * (encode_steps - 1) + 0.5f), 0, encode_steps - 1)];
}

}  // namespace platform
