#include "engine/walks.h"

#include <algorithm>
#include <array>

namespace converter {
namespace {

struct Decision {
    unsigned value;
    std::int32_t colour;
};

// Walks the area row by row: decide(x, y) gives each pixel's decision as the
// walk reaches it, which is drawn and packed.
template <class Decide>
std::vector<std::uint8_t> walk_area(platform::PixelSurface& surface, int bits_per_pixel,
                                    Decide decide) {
    const int width = surface.pixel_width();
    const int height = surface.pixel_height();
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(width) * height * bits_per_pixel / 8);
    bk::PixelPacker packer(bits_per_pixel, bytes);
    for (int y = 0; y < height; ++y) {
        packer.start_row();
        for (int x = 0; x < width; ++x) {
            const Decision decision = decide(x, y);
            surface.set_pixel(x, y, decision.colour);
            packer.push(decision.value);
        }
        surface.refresh();
    }
    return bytes;
}

// Decides each pixel from its colour as the walk reaches it.
template <class Decide>
std::vector<std::uint8_t> walk(platform::PixelSurface& surface, int bits_per_pixel, Decide decide) {
    return walk_area(surface, bits_per_pixel,
                     [&](int x, int y) { return decide(surface.pixel(x, y)); });
}

// The area read for a ditherer and the values it decided. The buffers are
// kept for the next area: fresh memory of this size costs more to map than
// dithering it.
struct Area {
    std::vector<std::int32_t> pixels;
    std::vector<std::uint8_t> decided;
};

Area& read_area(const platform::PixelSurface& surface) {
    thread_local Area area;
    const int width = surface.pixel_width();
    const int height = surface.pixel_height();
    area.pixels.resize(static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0));
    area.decided.resize(area.pixels.size());
    std::size_t at = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) area.pixels[at++] = surface.pixel(x, y);
    return area;
}

// Walks an area decided beforehand, one value a pixel in walk order, drawn
// and packed as `decisions` (one for each value) say.
template <std::size_t values>
std::vector<std::uint8_t> walk_decided(platform::PixelSurface& surface, int bits_per_pixel,
                                       const std::vector<std::uint8_t>& decided,
                                       const std::array<Decision, values>& decisions) {
    std::size_t next = 0;
    return walk_area(surface, bits_per_pixel, [&](int, int) { return decisions[decided[next++]]; });
}

Decision mono_decision(unsigned bit) {
    return {bit, bit ? white : black};
}

}  // namespace

std::vector<std::uint8_t> walk_mono(platform::PixelSurface& surface, int bw_level, Dither dither) {
    if (dither != Dither::none) {
        Area& area = read_area(surface);
        dither_mono(area.pixels, surface.pixel_width(), dither, bw_level, area.decided);
        return walk_decided(surface, 1, area.decided,
                            std::array<Decision, 2>{mono_decision(0), mono_decision(1)});
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
        Area& area = read_area(surface);
        dither_colour(area.pixels, surface.pixel_width(), dither, levels, area.decided);
        std::array<Decision, 4> decisions{};
        for (unsigned own = 0; own < 4; ++own)
            decisions[own] = colour_decision(static_cast<bk::ColourIndex>(own));
        return walk_decided(surface, 2, area.decided, decisions);
    }
    return walk(surface, 2,
                [&](std::int32_t pixel) { return colour_decision(colour_class(pixel, levels)); });
}

}  // namespace converter
