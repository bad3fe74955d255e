#include "engine/rules.h"

namespace converter {
namespace {

struct Frame {
    int first_flag;  // 0-based index of the frame's first flag
    std::array<bk::ColourIndex, 3> swaps;
};

Frame frame_of(bk::ColourIndex colour_class) {
    switch (colour_class) {
        case bk::red:
            return {0, {bk::green, bk::blue, bk::black}};
        case bk::green:
            return {3, {bk::red, bk::blue, bk::black}};
        case bk::blue:
            return {6, {bk::red, bk::green, bk::black}};
        case bk::black:
            break;
    }
    return {9, {bk::red, bk::green, bk::blue}};
}

}  // namespace

bk::ColourIndex colour_class(std::int32_t pixel, const ColourLevels& levels) {
    const int red = pixel & 255;
    const int green = (pixel & 65280) / 256;
    const int blue = (pixel & 16711680) / 65536;
    bk::ColourIndex candidate = bk::red;
    int value = red;
    int level = levels.red;
    if (red < green) {
        candidate = bk::green;
        value = green;
        level = levels.green;
    }
    if (blue >= value) {
        candidate = bk::blue;
        value = blue;
        level = levels.blue;
    }
    return value <= level ? bk::black : candidate;
}

bk::ColourIndex colour_index(std::int32_t pixel, const ColourLevels& levels, const SwapFlags& flags,
                             ActingFlags acting) {
    return swapped_colour(colour_class(pixel, levels), flags, acting);
}

bk::ColourIndex swapped_colour(bk::ColourIndex own, const SwapFlags& flags, ActingFlags acting) {
    const Frame frame = frame_of(own);
    bk::ColourIndex result = own;
    for (int i = 0; i < 3; ++i) {
        const int flag = frame.first_flag + i;
        if (flags[flag] && (acting >> flag & 1)) result = frame.swaps[i];
    }
    return result;
}

int arrow_step(int max, int parts) {
    if (max <= parts) return 1;
    const int quotient = max / parts;
    const int twice_rest = max % parts * 2;
    if (twice_rest > parts || (twice_rest == parts && quotient % 2 == 1)) return quotient + 1;
    return quotient;
}

}  // namespace converter
