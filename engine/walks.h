#pragma once
// A conversion walks the whole picture window, row by row from the top and
// left to right, decides each pixel, draws the result back and packs it as
// BK screen bytes; the window is refreshed after every row.
//
// With a ditherer the whole area is read first and decided at once
// (dither.h); the result is then drawn back and packed row by row as above.
// Dither::none decides pixel by pixel with the rules, as the walk goes.
#include <cstdint>
#include <vector>

#include "engine/dither.h"
#include "engine/rules.h"
#include "platform/pixel_surface.h"

namespace converter {

// One bit a pixel: 0 drawn black, 1 drawn white.
std::vector<std::uint8_t> walk_mono(platform::PixelSurface& surface, int bw_level,
                                    Dither dither = Dither::none);

// One BK colour index a pixel, drawn in the converter's colour for it. The
// acting change-colour flags swap the decided colours.
std::vector<std::uint8_t> walk_colour(platform::PixelSurface& surface, const ColourLevels& levels,
                                      const SwapFlags& flags, ActingFlags acting = all_flags_act,
                                      Dither dither = Dither::none);

}  // namespace converter
