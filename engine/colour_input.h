#pragma once
// Four-colour pixels as the ditherers take them: linear red, green and blue
// with the colour levels' gains of 2^((128 - level) / 32), 128 neutral,
// dimmed where they are brighter than any mix of the BK colours (where red,
// green and blue add up to more than 1).
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/rules.h"

namespace converter {

// Factors by which to dim the pixels of an area, a factor a block of pixels.
struct AreaDimming {
    static constexpr int block = 2;
    std::vector<float> blocks;
    int blocks_wide = 0;
    float at(int x, int y) const {
        return blocks[std::size_t(y / block) * blocks_wide + std::size_t(x / block)];
    }

    // Dims the light of the pixel at x, y by its block's factor, but a
    // colourful pixel no further than towards the brightest mix of its own
    // hue, by as much as it is colourful (1 - min / max of its red, green
    // and blue). A grey beside a bright ground is dimmed with it and keeps
    // its contrast to it; a red at full strength is that mix already, and
    // dimmed with a white ground it would show a dark band along its edge.
    void dim(int x, int y, float* rgb) const {
        float factor = at(x, y);
        if (factor < 1.0f) factor = std::max(factor, own_hue_limit(rgb));
        for (int c = 0; c < 3; ++c) rgb[c] *= factor;
    }

  private:
    static float own_hue_limit(const float* rgb) {
        const float high = std::max({rgb[0], rgb[1], rgb[2]});
        if (high <= 0.0f) return 0.0f;
        const float low = std::min({rgb[0], rgb[1], rgb[2]});
        const float sum = rgb[0] + rgb[1] + rgb[2];
        return (1.0f - low / high) * std::min(1.0f, 1.0f / sum);
    }
};

class ColourInput {
  public:
    explicit ColourInput(const ColourLevels& levels);

    // One pixel's light, not dimmed. An unreadable pixel (-1) reads as
    // white, as in the rule.
    void gained(std::int32_t pixel, float* rgb) const {
        rgb[0] = tables_[0][pixel & 255];
        rgb[1] = tables_[1][(pixel >> 8) & 255];
        rgb[2] = tables_[2][(pixel >> 16) & 255];
    }

    // For a whole area, the factor by which to dim each pixel's light: by
    // the brightness of its neighbourhood, taken in blocks of 2 x 2 pixels:
    // the mean over 5 x 5 blocks, or a larger such mean within 2 blocks. Fine
    // bright detail on a dark ground keeps its light, which error diffusion
    // spreads to where the mixes can show it; a bright ground is dimmed
    // evenly up to the edge of what lies on it.
    AreaDimming area_dimming(std::span<const std::int32_t> pixels, int width) const;

  private:
    // Light whose red, green and blue add up to s over 1 is dimmed by 1/s,
    // just into the mixes: a bright area becomes the brightest mix of its
    // own hue. Dimmed any less, it stays out of reach, and the diffusion
    // makes up the light with the brightest colours, green and red, so that
    // white turns olive.
    static float dimming(float sum) { return sum > 1.0f ? 1.0f / sum : 1.0f; }

    std::array<std::array<float, 256>, 3> tables_{};
};

}  // namespace converter
