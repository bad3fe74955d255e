#include "engine/dither.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>

#include "engine/colour_input.h"
#include "engine/diffusion.h"
#include "engine/light.h"
#include "engine/nearest_bk.h"

namespace converter {
namespace {

constexpr Tap floyd_steinberg_taps[] = {
    {1, 0, 7 / 16.0f}, {-1, 1, 3 / 16.0f}, {0, 1, 5 / 16.0f}, {1, 1, 1 / 16.0f}};
constexpr Tap atkinson_taps[] = {{1, 0, 1 / 8.0f}, {2, 0, 1 / 8.0f}, {-1, 1, 1 / 8.0f},
                                 {0, 1, 1 / 8.0f}, {1, 1, 1 / 8.0f}, {0, 2, 1 / 8.0f}};

// Calls diffusion(taps) with the dither's taps, a fixed array each, so that
// the loops over them unroll.
template <class Diffusion>
void with_taps(Dither dither, Diffusion diffusion) {
    if (dither == Dither::atkinson)
        diffusion(atkinson_taps);
    else
        diffusion(floyd_steinberg_taps);
}

// The 8 x 8 Bayer matrix, 0..63, each quarter of the thresholds spread evenly.
std::array<std::uint8_t, 64> make_bayer() {
    std::array<std::uint8_t, 64> m{};
    for (int size = 1; size < 8; size *= 2) {
        std::array<std::uint8_t, 64> grown{};
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int v = 4 * m[y * 8 + x];
                grown[y * 8 + x] = std::uint8_t(v);
                grown[y * 8 + x + size] = std::uint8_t(v + 2);
                grown[(y + size) * 8 + x] = std::uint8_t(v + 3);
                grown[(y + size) * 8 + x + size] = std::uint8_t(v + 1);
            }
        }
        m = grown;
    }
    return m;
}

float bayer_threshold(int x, int y) {
    static const std::array<std::uint8_t, 64> bayer = make_bayer();
    return (bayer[(y & 7) * 8 + (x & 7)] + 0.5f) / 64.0f;
}

// Calls ordered(x, y, at) for every pixel, row by row.
template <class Ordered>
void each_pixel(int width, Ordered ordered, std::span<std::uint8_t> out) {
    if (width <= 0) return;
    const int height = int(out.size() / width);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = std::size_t(y) * width + x;
            out[at] = ordered(x, y, at);
        }
}

// A pixel's grey as black-and-white pictures take it: the luma of its sRGB
// values (Rec. 709 weights), in linear light. The BW level bends it as
// Y to Y^gamma, so that the grey of the level's own value comes out as the
// grey 128 does at level 128.
class MonoTone {
  public:
    explicit MonoTone(int bw_level) {
        const auto& linear = light::linear_of_srgb();
        const float gamma = bw_level > 0 && bw_level < 255
                                ? std::log(linear[128]) / std::log(linear[bw_level])
                                : 1.0f;
        for (int i = 0; i < steps; ++i) {
            const float y = float(light::linear_of_encoded(double(i) / (steps - 1)));
            if (bw_level <= 0)
                table_[i] = y > 0 ? 1.0f : 0.0f;
            else if (bw_level >= 255)
                table_[i] = y >= 1 ? 1.0f : 0.0f;
            else
                table_[i] = std::pow(y, gamma);
        }
    }
    float operator()(std::int32_t pixel) const {
        if (pixel < 0) return 0.0f;  // unreadable pixels are black, as in the rule
        constexpr float scale = (steps - 1) / 255.0f;
        const float luma = 0.2126f * scale * float(pixel & 255) +
                           0.7152f * scale * float((pixel >> 8) & 255) +
                           0.0722f * scale * float((pixel >> 16) & 255);
        return table_[std::min(int(luma + 0.5f), steps - 1)];
    }

  private:
    static constexpr int steps = 4097;
    std::array<float, steps> table_{};
};

// The tone table of a BW level, built at the level's first use and kept:
// every level below 1 bends alike, and so does every level from 255 on.
const MonoTone& mono_tone(int bw_level) {
    const int level = std::clamp(bw_level, 0, 255);
    static std::array<std::once_flag, 256> built;
    static std::array<std::unique_ptr<const MonoTone>, 256> tones;
    std::call_once(built[level], [level] { tones[level] = std::make_unique<MonoTone>(level); });
    return *tones[level];
}

}  // namespace

std::optional<Dither> dither_named(std::string_view name) {
    for (const DitherInfo& info : dithers)
        if (info.name == name) return info.dither;
    return std::nullopt;
}

void dither_mono(std::span<const std::int32_t> pixels, int width, Dither dither, int bw_level,
                 std::span<std::uint8_t> out) {
    if (dither == Dither::none) {
        const std::int32_t threshold = threshold_colour(bw_level);
        for (std::size_t i = 0; i < pixels.size(); ++i) out[i] = mono_bit(pixels[i], threshold);
        return;
    }
    const MonoTone& tone = mono_tone(bw_level);
    if (dither == Dither::ordered) {
        each_pixel(
            width,
            [&](int x, int y, std::size_t at) {
                return std::uint8_t(tone(pixels[at]) > bayer_threshold(x, y));
            },
            out);
        return;
    }
    with_taps(dither, [&](const auto& taps) {
        diffuse<1>(
            width, taps,
            [&](int, int, std::size_t at, float* value) { value[0] = tone(pixels[at]); },
            [](float*) {},
            [](const float* value, float* chosen) {
                const bool white = value[0] > 0.5f;
                chosen[0] = white ? 1.0f : 0.0f;
                return std::uint8_t(white);
            },
            out);
    });
}

namespace {

// The mix of red, green, blue and black that makes `rgb` (taken into the
// mixes whole), laid out by the threshold: below red's share red, then
// green's, then blue's.
std::uint8_t ordered_bk_colour(const float* rgb, float threshold) {
    threshold *= std::max(1.0f, rgb[0] + rgb[1] + rgb[2]);
    if (threshold < rgb[0]) return bk::red;
    if (threshold < rgb[0] + rgb[1]) return bk::green;
    if (threshold < rgb[0] + rgb[1] + rgb[2]) return bk::blue;
    return bk::black;
}

}  // namespace

void dither_colour(std::span<const std::int32_t> pixels, int width, Dither dither,
                   const ColourLevels& levels, std::span<std::uint8_t> out) {
    if (dither == Dither::none) {
        for (std::size_t i = 0; i < pixels.size(); ++i) out[i] = colour_class(pixels[i], levels);
        return;
    }
    const ColourInput input(levels);
    if (dither == Dither::ordered) {
        each_pixel(
            width,
            [&](int x, int y, std::size_t at) {
                float rgb[3];
                input.gained(pixels[at], rgb);
                return ordered_bk_colour(rgb, bayer_threshold(x, y));
            },
            out);
        return;
    }
    with_taps(dither, [&](const auto& taps) {
        const AreaDimming dimming = input.area_dimming(pixels, width);
        const NearestBkColour& nearest = NearestBkColour::shared();
        diffuse<3>(
            width, taps,
            [&](int x, int y, std::size_t at, float* lms) {
                float rgb[3];
                input.gained(pixels[at], rgb);
                dimming.dim(x, y, rgb);
                NearestBkColour::cones_of(rgb, lms);
            },
            NearestBkColour::hold, nearest, out);
    });
}

}  // namespace converter
