#include "converter/dither.h"

#include <algorithm>
#include <cmath>

#include "converter/light.h"

namespace converter {
namespace {

// Where a pixel's error goes: to the pixel dx across (in the direction of
// the walk) and dy down, that share of it.
struct Tap {
    int dx, dy;
    float share;
};

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

// Error diffusion over `channels` floats a pixel, row by row, serpentine.
// input(pixel, value) gives a pixel's value; decide(value, chosen) gives its
// output value and puts the chosen colour into `chosen` (it may bound the
// value first). The error waits in three rows with margins of two pixels,
// into which errors past the edges fall unread.
template <int channels, std::size_t tap_count, class Input, class Decide>
void diffuse(std::span<const std::int32_t> pixels, int width, const Tap (&taps)[tap_count],
             Input input, Decide decide, std::span<std::uint8_t> out) {
    if (width <= 0) return;
    const int height = int(pixels.size() / width);
    constexpr int margin = 2;
    const std::size_t stride = std::size_t(width + 2 * margin) * channels;
    std::vector<float> rows(3 * stride, 0.0f);
    auto row = [&](int y) { return &rows[(y % 3) * stride + margin * channels]; };
    for (int y = 0; y < height; ++y) {
        const bool back = y % 2 == 1;
        const int step = back ? -1 : 1;
        float* const below[3] = {row(y), row(y + 1), row(y + 2)};
        float* errors = below[0];
        for (int i = 0; i < width; ++i) {
            const int x = back ? width - 1 - i : i;
            const std::size_t at = std::size_t(y) * width + x;
            float value[channels];
            input(pixels[at], value);
            for (int c = 0; c < channels; ++c) value[c] += errors[x * channels + c];
            float chosen[channels];
            out[at] = decide(value, chosen);
            float error[channels];
            for (int c = 0; c < channels; ++c) error[c] = value[c] - chosen[c];
            for (const Tap& tap : taps) {
                float* target = below[tap.dy] + (x + step * tap.dx) * channels;
                for (int c = 0; c < channels; ++c) target[c] += error[c] * tap.share;
            }
        }
        std::fill(errors - margin * channels, errors - margin * channels + stride, 0.0f);
    }
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

// The BW level as a bend of linear luminance: Y to Y^gamma, so that the grey
// of the level's own value comes out as the grey 128 does at level 128.
class MonoTone {
  public:
    explicit MonoTone(int bw_level) {
        const auto& linear = *linear_;
        const float gamma = bw_level > 0 && bw_level < 255
                                ? std::log(linear[128]) / std::log(linear[bw_level])
                                : 1.0f;
        for (int i = 0; i < steps; ++i) {
            const float y = float(i) / (steps - 1);
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
        const auto& linear = *linear_;
        const float y = light::luminance(linear[pixel & 255], linear[(pixel >> 8) & 255],
                                         linear[(pixel >> 16) & 255]);
        return table_[std::clamp(int(y * (steps - 1) + 0.5f), 0, steps - 1)];
    }

  private:
    static constexpr int steps = 4097;
    const std::array<float, 256>* linear_ = &light::linear_of_srgb();
    std::array<float, steps> table_{};
};

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
    const MonoTone tone(bw_level);
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
            pixels, width, taps,
            [&tone](std::int32_t pixel, float* value) { value[0] = tone(pixel); },
            [](const float* value, float* chosen) {
                const bool white = value[0] > 0.5f;
                chosen[0] = white ? 1.0f : 0.0f;
                return std::uint8_t(white);
            },
            out);
    });
}

namespace {

struct BkColour {
    std::uint8_t index;
    std::array<float, 3> linear;  // red, green, blue
    light::Lab lab;
};

const std::array<BkColour, 4>& bk_colours() {
    static const std::array<BkColour, 4> colours = [] {
        std::array<BkColour, 4> c{{{bk::black, {0, 0, 0}, {}},
                                   {bk::blue, {0, 0, 1}, {}},
                                   {bk::green, {0, 1, 0}, {}},
                                   {bk::red, {1, 0, 0}, {}}}};
        for (BkColour& colour : c)
            colour.lab = light::oklab(colour.linear[0], colour.linear[1], colour.linear[2]);
        return c;
    }();
    return colours;
}

// A pixel in linear light with the levels' gains, dimmed where no mix of BK
// colours reaches it.
class ColourInput {
  public:
    explicit ColourInput(const ColourLevels& levels) {
        const auto& linear = light::linear_of_srgb();
        const int level[3] = {levels.red, levels.green, levels.blue};
        for (int c = 0; c < 3; ++c) {
            const float gain = std::exp2((128 - level[c]) / 32.0f);
            for (int v = 0; v < 256; ++v) tables_[c][v] = std::min(1.0f, linear[v] * gain);
        }
        for (int i = 0; i <= dim_steps; ++i)
            dim_table_[i] = std::pow(std::max(1.0f, float(i) / dim_steps_per_unit), -dim_power);
    }
    // An unreadable pixel (-1) reads as white, as in the rule.
    void operator()(std::int32_t pixel, float* rgb) const {
        rgb[0] = tables_[0][pixel & 255];
        rgb[1] = tables_[1][(pixel >> 8) & 255];
        rgb[2] = tables_[2][(pixel >> 16) & 255];
        const float sum = rgb[0] + rgb[1] + rgb[2];
        if (sum <= 1.0f) return;
        const float dim = dim_table_[std::min(int(sum * dim_steps_per_unit + 0.5f), dim_steps)];
        for (int c = 0; c < 3; ++c) rgb[c] *= dim;
    }

  private:
    // Colours whose sum of red, green and blue exceeds 1 are dimmed by
    // sum^-0.75: nearly into the mixes, keeping more of their brightness than
    // dimming all the way; the error diffusion carries the rest.
    static constexpr float dim_power = 0.75f;
    static constexpr int dim_steps_per_unit = 1024;
    static constexpr int dim_steps = 3 * dim_steps_per_unit;
    std::array<std::array<float, 256>, 3> tables_{};
    std::array<float, dim_steps + 1> dim_table_{};
};

// NOTE: the value is first held within -0.5..1.5 a channel, so that the error
// of colours out of reach cannot pile up over a large area.
std::uint8_t nearest_bk_colour(float* rgb, float* chosen) {
    for (int c = 0; c < 3; ++c) rgb[c] = std::clamp(rgb[c], -0.5f, 1.5f);
    const light::Lab lab = light::oklab(rgb[0], rgb[1], rgb[2]);
    const BkColour* best = nullptr;
    float best_distance = 0;
    for (const BkColour& colour : bk_colours()) {
        const float distance = light::distance2(lab, colour.lab);
        if (!best || distance < best_distance) {
            best = &colour;
            best_distance = distance;
        }
    }
    for (int c = 0; c < 3; ++c) chosen[c] = best->linear[c];
    return best->index;
}

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
                input(pixels[at], rgb);
                return ordered_bk_colour(rgb, bayer_threshold(x, y));
            },
            out);
        return;
    }
    with_taps(dither, [&](const auto& taps) {
        diffuse<3>(
            pixels, width, taps, input,
            [](float* rgb, float* chosen) { return nearest_bk_colour(rgb, chosen); }, out);
    });
}

}  // namespace converter
