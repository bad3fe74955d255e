#include "converter/walks.h"

namespace converter {
namespace {

struct Decision {
    unsigned value;
    std::int32_t colour;
};

// Decides each pixel as the walk reaches it.
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

std::vector<std::int32_t> read_area(const platform::PixelSurface& surface) {
    const int width = surface.pixel_width();
    const int height = surface.pixel_height();
    std::vector<std::int32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(surface.pixel(x, y));
    return pixels;
}

// Walks an area decided beforehand, one value a pixel in walk order.
template <class Draw>
std::vector<std::uint8_t> walk_decided(platform::PixelSurface& surface, int bits_per_pixel,
                                       const std::vector<std::uint8_t>& decided, Draw draw) {
    std::size_t next = 0;
    return walk(surface, bits_per_pixel, [&](std::int32_t) { return draw(decided[next++]); });
}

Decision mono_decision(unsigned bit) {
    return {bit, bit ? white : black};
}

}  // namespace

std::vector<std::uint8_t> walk_mono(platform::PixelSurface& surface, int bw_level, Dither dither) {
    if (dither != Dither::none) {
        const auto decided =
            dither_mono(read_area(surface), surface.pixel_width(), dither, bw_level);
        return walk_decided(surface, 1, decided, mono_decision);
    }
    const std::int32_t threshold = threshold_colour(bw_level);
    return walk(surface, 1, [threshold](std::int32_t pixel) {
        return mono_decision(static_cast<unsigned>(mono_bit(pixel, threshold)));
    });
}

std::vector<std::uint8_t> walk_colour(platform::PixelSurface& surface, const ColourLevels& levels,
                                      const SwapFlags& flags, ActingFlags acting, Dither dither) {
    auto colour_decision = [&](bk::ColourIndex own) {
        const bk::ColourIndex index = swapped_colour(own, flags, acting);
        return Decision{index, bk::drawn_colour(index)};
    };
    if (dither != Dither::none) {
        const auto decided =
            dither_colour(read_area(surface), surface.pixel_width(), dither, levels);
        return walk_decided(surface, 2, decided, [&](std::uint8_t own) {
            return colour_decision(static_cast<bk::ColourIndex>(own));
        });
    }
    return walk(surface, 2,
                [&](std::int32_t pixel) { return colour_decision(colour_class(pixel, levels)); });
}

}  // namespace converter
