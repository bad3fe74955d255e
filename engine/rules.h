#pragma once
// The converter's pixel decisions, on packed colour values
// red + 256 * green + 65536 * blue (-1 for a pixel that cannot be read).
#include <array>
#include <cstdint>

#include "formats/bk_screen.h"

namespace converter {

inline constexpr std::int32_t black = 0;
inline constexpr std::int32_t white = 16777215;

// Monochrome: the grey (level, level, level) as one packed number.
constexpr std::int32_t threshold_colour(int bw_level) {
    return bw_level * 65793;
}

// NOTE: the whole packed numbers are compared, so blue weighs most, then
// green, then red. This is the rule, not a brightness: with the level L a
// pixel whose blue is below L is black whatever its red and green.
constexpr int mono_bit(std::int32_t pixel, std::int32_t threshold) {
    return pixel <= threshold ? 0 : 1;
}

struct ColourLevels {
    int red = 128;
    int green = 128;
    int blue = 128;
};

// Change-colour flags 1..12 at [0]..[11]. Flags 1-3 swap the red class
// for green, blue, black; 4-6 green for red, blue, black; 7-9 blue for red,
// green, black; 10-12 black for red, green, blue.
using SwapFlags = std::array<bool, 12>;

// Which flags take part, bit k-1 for flag k.
using ActingFlags = std::uint16_t;
inline constexpr ActingFlags all_flags_act = 0x0FFF;
// The 11M window: only swaps between red, green and blue (flags 1, 2, 4, 5, 7, 8).
inline constexpr ActingFlags colour_swaps_act = 0b0000'1101'1011;

// The class of a pixel: the strongest channel (a red-green tie goes to red,
// a tie of blue with that candidate to blue), or black when the strongest
// channel's value is at most its level.
bk::ColourIndex colour_class(std::int32_t pixel, const ColourLevels& levels);

// The class's own colour, or the colour its frame's acting flag swaps it
// for; of two true flags in a frame the later decides.
bk::ColourIndex swapped_colour(bk::ColourIndex own, const SwapFlags& flags,
                               ActingFlags acting = all_flags_act);

// The pixel's class, swapped.
bk::ColourIndex colour_index(std::int32_t pixel, const ColourLevels& levels, const SwapFlags& flags,
                             ActingFlags acting = all_flags_act);

// The arrow step of a scroll bar with the given maximum: Max / parts rounded
// to the nearest whole number, halves to the even neighbour; 1 up to Max
// parts. The main window uses 20 parts, the 11M window 50.
int arrow_step(int max, int parts = 20);

}  // namespace converter
