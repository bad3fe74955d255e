#pragma once
// Error diffusion, row by row, serpentine, over `channels` floats a pixel.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace converter {

// Where a pixel's error goes: to the pixel dx across (in the direction of
// the walk) and dy down, that share of it.
struct Tap {
    int dx, dy;
    float share;
};

// input(x, y, at, value) puts the value of the pixel at x, y (index at) into
// `value`. hold(value) may bound it with the error that waits for it from
// earlier rows and pixels further back. decide(value, chosen) then adds the
// share of the pixel just before, gives the output value and puts the chosen
// value into `chosen`.
//
// The error waits in three rows with margins of two pixels, into which
// errors past the edges fall unread. The share for the next pixel of the
// row stays in `carried`, not in memory: it lies on the path from one
// pixel's choice to the next, which sets the pace.
template <int channels, std::size_t tap_count, class Input, class Hold, class Decide>
void diffuse(int width, const Tap (&taps)[tap_count], Input input, Hold hold, Decide decide,
             std::span<std::uint8_t> out) {
    if (width <= 0) return;
    const int height = int(out.size() / width);
    constexpr int margin = 2;
    const std::size_t stride = std::size_t(width + 2 * margin) * channels;
    std::vector<float> rows(3 * stride, 0.0f);
    auto row = [&](int y) { return &rows[(y % 3) * stride + margin * channels]; };
    for (int y = 0; y < height; ++y) {
        const bool back = y % 2 == 1;
        const int direction = back ? -1 : 1;
        float* const below[3] = {row(y), row(y + 1), row(y + 2)};
        float carried[channels] = {};
        for (int i = 0; i < width; ++i) {
            const int x = back ? width - 1 - i : i;
            const std::size_t at = std::size_t(y) * width + x;
            float value[channels];
            input(x, y, at, value);
#pragma GCC unroll 4
            for (int c = 0; c < channels; ++c) value[c] += below[0][x * channels + c];
            hold(value);
#pragma GCC unroll 4
            for (int c = 0; c < channels; ++c) value[c] += carried[c];
            float chosen[channels];
            out[at] = decide(value, chosen);
            float error[channels];
#pragma GCC unroll 4
            for (int c = 0; c < channels; ++c) error[c] = value[c] - chosen[c];
#pragma GCC unroll 8
            for (const Tap& tap : taps) {
                if (tap.dy == 0 && tap.dx == 1) {
#pragma GCC unroll 4
                    for (int c = 0; c < channels; ++c) carried[c] = error[c] * tap.share;
                    continue;
                }
                float* target = below[tap.dy] + (x + direction * tap.dx) * channels;
#pragma GCC unroll 4
                for (int c = 0; c < channels; ++c) target[c] += error[c] * tap.share;
            }
        }
        float* done = below[0] - margin * channels;
        std::fill(done, done + stride, 0.0f);
    }
}

}  // namespace converter
