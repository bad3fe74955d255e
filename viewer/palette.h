#pragma once
// The viewer's colours: the 16 PC colours offered by the colour dialogs and
// the maps through which BK pictures are drawn, all as packed values
// red + 256 * green + 65536 * blue.
#include <array>
#include <cstdint>

namespace viewer {

constexpr std::int32_t packed_rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

struct DialogColour {
    std::int32_t packed;
    const char* name;  // what the colour button is called for accessibility
};

// The colour buttons Option1..Option16: row 1 left to right, then row 2.
inline constexpr int colour_buttons = 16;
inline constexpr int colour_buttons_per_row = 8;
inline constexpr std::array<DialogColour, colour_buttons> dialog_colours{{
    {packed_rgb(0, 255, 0), "Green"},
    {packed_rgb(0, 128, 0), "Dark green"},
    {packed_rgb(255, 255, 0), "Yellow"},
    {packed_rgb(128, 128, 0), "Olive"},
    {packed_rgb(255, 128, 0), "Orange"},
    {packed_rgb(128, 64, 0), "Brown"},
    {packed_rgb(255, 0, 0), "Red"},
    {packed_rgb(128, 0, 0), "Dark red"},
    {packed_rgb(0, 255, 255), "Cyan"},
    {packed_rgb(0, 128, 128), "Teal"},
    {packed_rgb(0, 0, 255), "Blue"},
    {packed_rgb(0, 0, 128), "Navy"},
    {packed_rgb(255, 0, 255), "Magenta"},
    {packed_rgb(128, 0, 128), "Purple"},
    {packed_rgb(255, 255, 255), "White"},
    {packed_rgb(0, 0, 0), "Black"},
}};

// The PC colour of each BK colour index (0 black, 1 blue, 2 green, 3 red)
// and of each monochrome bit. Every pixel drawn looks its colour up here.
struct ColourMaps {
    std::array<std::int32_t, 4> colour{packed_rgb(0, 0, 0), packed_rgb(0, 0, 255),
                                       packed_rgb(0, 255, 0), packed_rgb(255, 0, 0)};
    std::array<std::int32_t, 2> mono{packed_rgb(0, 0, 0), packed_rgb(255, 255, 255)};
};

}  // namespace viewer
