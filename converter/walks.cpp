#include "converter/walks.h"

namespace converter {
namespace {

struct Decision {
    unsigned value;
    std::int32_t colour;
};

template <class Decide>
std::vector<std::uint8_t> walk(platform::PixelSurface& surface, int bits_per_pixel, Decide decide) {
    const int width = surface.pixel_width();
    const int height = surface.pixel_height();
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(width) * height * bits_per_pixel / 8);
    bk::PixelPacker packer(bits_per_pixel, bytes);
    for (int y = 0; y < height; ++y) {
        packer.start_row();
        for (int x = 0; x < width; ++x) {
            const Decision decision = decide(surface.pixel(x, y));
            surface.set_pixel(x, y, decision.colour);
            packer.push(decision.value);
        }
        surface.refresh();
    }
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> walk_mono(platform::PixelSurface& surface, int bw_level) {
    const std::int32_t threshold = threshold_colour(bw_level);
    return walk(surface, 1, [threshold](std::int32_t pixel) {
        const int bit = mono_bit(pixel, threshold);
        return Decision{static_cast<unsigned>(bit), bit ? white : black};
    });
}

std::vector<std::uint8_t> walk_colour(platform::PixelSurface& surface, const ColourLevels& levels,
                                      const SwapFlags& flags, ActingFlags acting) {
    return walk(surface, 2, [&](std::int32_t pixel) {
        const bk::ColourIndex index = colour_index(pixel, levels, flags, acting);
        return Decision{index, bk::drawn_colour(index)};
    });
}

}  // namespace converter
