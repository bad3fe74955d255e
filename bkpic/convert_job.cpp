#include "bkpic/convert_job.h"

#include "converter/m11_conversion.h"
#include "converter/walks.h"
#include "formats/m11_file.h"
#include "platform/picture_canvas.h"

namespace bkpic {
namespace {

// The scroll bars of a window reach as far as the picture overhangs the area.
std::string offset_refusal(Offset offset, QSize picture, Size area) {
    const int max_x = std::max(0, picture.width() - area.width);
    const int max_y = std::max(0, picture.height() - area.height);
    if (offset.x <= max_x && offset.y <= max_y) return {};
    return "offset " + std::to_string(offset.x) + "," + std::to_string(offset.y) +
           " is beyond the scroll range 0.." + std::to_string(max_x) + ",0.." +
           std::to_string(max_y) + " of this picture";
}

// The picture data as the window's Convert walks and packs it; for the 11M
// targets the whole file, header first.
std::vector<std::uint8_t> walk(platform::PictureCanvas& canvas, const ConvertSettings& s) {
    const bool mono = s.target.bits_per_pixel == 1;
    if (!s.target.m11) {
        if (mono) return converter::walk_mono(canvas, s.bw_level, s.dither);
        return converter::walk_colour(canvas, s.levels, s.swaps, converter::all_flags_act,
                                      s.dither);
    }
    namespace m11 = converter::m11;
    const m11::ConversionPlan plan = m11::plan_conversion(
        canvas.pixel_width(), canvas.pixel_height(), s.target.pixels_per_byte());
    const std::vector<std::uint8_t> data =
        mono ? m11::walk_mono_11m(canvas, plan, s.bw_level, s.dither)
             : m11::walk_colour_11m(canvas, plan, s.levels, s.swaps, s.dither);
    return bk::m11::file_bytes(plan.header, data);
}

}  // namespace

Size area_of(const ConvertSettings& settings) {
    if (settings.target.m11) return settings.area;
    return {settings.target.width, settings.target.height};
}

Converted convert_picture(const QImage& picture, const ConvertSettings& settings) {
    const Size area = area_of(settings);
    Converted result;
    if (!settings.fit) {
        result.error = offset_refusal(settings.offset, picture.size(), area);
        if (!result.error.empty()) return result;
    }
    platform::PictureCanvas canvas(area.width, area.height);
    canvas.set_picture(picture);
    // As the windows' Fit to window: by area averaging when dithering.
    const auto stretch = settings.dither == converter::Dither::none
                             ? platform::Stretch::smooth
                             : platform::Stretch::area_average;
    canvas.draw_picture(settings.fit, QPoint(-settings.offset.x, -settings.offset.y), stretch);
    result.file = walk(canvas, settings);
    result.preview = canvas.image();
    return result;
}

}  // namespace bkpic
