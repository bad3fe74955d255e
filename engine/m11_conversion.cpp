#include "engine/m11_conversion.h"

#include "engine/walks.h"

namespace converter::m11 {

ConversionPlan plan_conversion(int area_width, int area_height, int pixels_per_byte) {
    const int width = area_width - area_width % pixels_per_byte;
    return {width, {bk::m11::line_width_for(width, pixels_per_byte), area_height}};
}

std::vector<std::uint8_t> walk_mono_11m(platform::PixelSurface& surface, const ConversionPlan& plan,
                                        int bw_level, Dither dither) {
    LeftColumns columns(surface, plan.width);
    return walk_mono(columns, bw_level, dither);
}

std::vector<std::uint8_t> walk_colour_11m(platform::PixelSurface& surface,
                                          const ConversionPlan& plan, const ColourLevels& levels,
                                          const SwapFlags& flags, Dither dither) {
    LeftColumns columns(surface, plan.width);
    return walk_colour(columns, levels, flags, colour_swaps_act, dither);
}

}  // namespace converter::m11
