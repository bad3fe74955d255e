#include "engine/screen_file.h"

#include "engine/m11_conversion.h"
#include "engine/walks.h"
#include "formats/bin_file.h"
#include "formats/m11_file.h"

namespace converter {

std::vector<std::uint8_t> convert_to_file(platform::PixelSurface& surface, Target target,
                                          const Conversion& c) {
    switch (target) {
        case Target::mono:
            return walk_mono(surface, c.bw_level, c.dither);
        case Target::colour:
        case Target::sprite:
            return walk_colour(surface, c.levels, c.swaps, all_flags_act, c.dither);
        case Target::m11_mono:
        case Target::m11_colour:
            break;
    }
    const bool mono = target == Target::m11_mono;
    const m11::ConversionPlan plan =
        m11::plan_conversion(surface.pixel_width(), surface.pixel_height(), mono ? 8 : 4);
    const std::vector<std::uint8_t> lines =
        mono ? m11::walk_mono_11m(surface, plan, c.bw_level, c.dither)
             : m11::walk_colour_11m(surface, plan, c.levels, c.swaps, c.dither);
    return bk::m11::file_bytes(plan.header, lines);
}

std::vector<std::uint8_t> bin_file(std::span<const std::uint8_t> screen_file) {
    return bk::bin::file_bytes(bk::bin::screen_header, screen_file);
}

std::vector<std::uint8_t> wav_file(std::span<const std::uint8_t> screen_file,
                                   const bk::tape::Name& name) {
    return bk::tape::wav_bytes({bk::bin::screen_address, int(screen_file.size()), name},
                               screen_file);
}

}  // namespace converter
