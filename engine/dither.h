#pragma once
// Dithering: deciding a whole area at once, so that a region's mix of BK
// pixels shows its brightness and colour from a distance, where the
// threshold rules decide each pixel alone.
//
// Input: the area's packed colour values (red + 256 * green + 65536 * blue),
// row after row, `width` a row. Output: one value a pixel in the same order,
// a bit (0 black, 1 white) for monochrome or a colour class (0 black, 1 blue,
// 2 green, 3 red, before any change-colour flag) for four colours.
//
// - None: the threshold rules of rules.h, pixel by pixel.
// - Floyd-Steinberg: error diffusion to four neighbours, serpentine rows.
// - Atkinson: sharper error diffusion that passes on 6/8 of the error.
// - Ordered: an 8 x 8 Bayer threshold pattern; no error travels, so a change
//   in one place changes no pixel elsewhere.
//
// Monochrome dithers a pixel's grey in linear light, the grey being the
// luma of its sRGB values as black-and-white pictures take it. The BW level
// bends it as a brightness control: level 128 is neutral, a lower level (the
// slider further right) is brighter; at 0 only pure black stays black and at
// 255 only pure white stays white. Four colours dither in linear light,
// choosing the nearest BK colour in OKLab (lightness weighted, see
// nearest_bk.h); the colour levels are gains of
// 2^((128 - level) / 32) on their channels, 128 neutral. Where a
// neighbourhood is brighter than any mix of the BK colours can show (red,
// green and blue adding up to more than 1), its pixels are first dimmed
// (see colour_input.h).
//
// NOTE: the results are deterministic; the same input gives the same bytes.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "engine/rules.h"

namespace converter {

enum class Dither { none, floyd_steinberg, atkinson, ordered };

struct DitherInfo {
    Dither dither;
    std::string_view name;     // on the command line
    std::string_view caption;  // in the menu
};

inline constexpr std::array<DitherInfo, 4> dithers{{
    {Dither::none, "none", "None"},
    {Dither::floyd_steinberg, "floyd-steinberg", "Floyd-Steinberg"},
    {Dither::atkinson, "atkinson", "Atkinson"},
    {Dither::ordered, "ordered", "Ordered"},
}};

std::optional<Dither> dither_named(std::string_view name);

// Each writes one value a pixel into `out`, as large as `pixels`.
void dither_mono(std::span<const std::int32_t> pixels, int width, Dither dither, int bw_level,
                 std::span<std::uint8_t> out);

void dither_colour(std::span<const std::int32_t> pixels, int width, Dither dither,
                   const ColourLevels& levels, std::span<std::uint8_t> out);

}  // namespace converter
