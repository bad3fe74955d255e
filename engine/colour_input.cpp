#include "engine/colour_input.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/light.h"

namespace converter {
namespace {

// The neighbourhood is taken in blocks of block x block pixels: the mean
// over (2 * reach + 1) blocks square, then the largest such mean within
// `reach` blocks.
constexpr int block = AreaDimming::block;
constexpr int reach = 2;

float start_value(bool largest) {
    return largest ? std::numeric_limits<float>::lowest() : 0.0f;
}

template <bool largest>
void combine(float* row, const float* values, int width) {
    for (int x = 0; x < width; ++x)
        row[x] = largest ? std::max(row[x], values[x]) : row[x] + values[x];
}

void combine(float* row, const float* values, int width, bool largest) {
    if (largest)
        combine<true>(row, values, width);
    else
        combine<false>(row, values, width);
}

void scale(float* row, int width) {
    for (int x = 0; x < width; ++x) row[x] *= 1.0f / (2 * reach + 1);
}

// Each value of `from` becomes, in `to`, the mean (largest = false) or the
// largest of the values within `reach` of it along its row, edges repeated.
// The loops run over whole rows, so that they vectorise.
void along_rows(const std::vector<float>& from, std::vector<float>& to, int width, bool largest) {
    std::vector<float> padded(width + 2 * reach);
    for (std::size_t start = 0; start < from.size(); start += width) {
        const float* source = &from[start];
        std::fill_n(padded.begin(), reach, source[0]);
        std::copy_n(source, width, padded.begin() + reach);
        std::fill_n(padded.end() - reach, reach, source[width - 1]);
        float* row = &to[start];
        std::fill_n(row, width, start_value(largest));
        for (int d = 0; d <= 2 * reach; ++d) combine(row, &padded[d], width, largest);
        if (!largest) scale(row, width);
    }
}

// The same down the columns.
void down_columns(const std::vector<float>& from, std::vector<float>& to, int width, bool largest) {
    const int height = int(from.size() / width);
    for (int y = 0; y < height; ++y) {
        float* row = &to[std::size_t(y) * width];
        std::fill_n(row, width, start_value(largest));
        for (int d = -reach; d <= reach; ++d)
            combine(row, &from[std::size_t(std::clamp(y + d, 0, height - 1)) * width], width,
                    largest);
        if (!largest) scale(row, width);
    }
}

}  // namespace

ColourInput::ColourInput(const ColourLevels& levels) {
    const auto& linear = light::linear_of_srgb();
    const int level[3] = {levels.red, levels.green, levels.blue};
    for (int c = 0; c < 3; ++c) {
        const float gain = std::exp2((128 - level[c]) / 32.0f);
        for (int v = 0; v < 256; ++v) tables_[c][v] = std::min(1.0f, linear[v] * gain);
    }
}

AreaDimming ColourInput::area_dimming(std::span<const std::int32_t> pixels, int width) const {
    AreaDimming result;
    if (width <= 0) return result;
    const int height = int(pixels.size() / width);
    result.blocks_wide = (width + block - 1) / block;
    const int blocks_high = (height + block - 1) / block;
    std::vector<float> brightness(std::size_t(result.blocks_wide) * blocks_high);
    std::vector<float> counts(brightness.size());
    for (int y = 0; y < height; ++y) {
        const std::size_t row = std::size_t(y / block) * result.blocks_wide;
        for (int x = 0; x < width; ++x) {
            float rgb[3];
            gained(pixels[std::size_t(y) * width + x], rgb);
            brightness[row + x / block] += rgb[0] + rgb[1] + rgb[2];
            counts[row + x / block] += 1;
        }
    }
    for (std::size_t i = 0; i < brightness.size(); ++i) brightness[i] /= counts[i];
    std::vector<float>& spare = counts;
    along_rows(brightness, spare, result.blocks_wide, false);
    down_columns(spare, brightness, result.blocks_wide, false);
    along_rows(brightness, spare, result.blocks_wide, true);
    down_columns(spare, brightness, result.blocks_wide, true);
    for (float& value : brightness) value = dimming(value);
    result.blocks = std::move(brightness);
    return result;
}

}  // namespace converter
