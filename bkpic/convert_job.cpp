#include "bkpic/convert_job.h"

#include "engine/screen_file.h"
#include "engine/true_shape.h"
#include "platform/picture_canvas.h"

namespace bkpic {
namespace {

// The scroll bars of a window reach as far as the picture overhangs the
// area, or with the fill shape as far as its cut axis overhangs.
std::string offset_refusal(Offset offset, int max_x, int max_y, const char* range) {
    if (offset.x <= max_x && offset.y <= max_y) return {};
    return "offset " + std::to_string(offset.x) + "," + std::to_string(offset.y) +
           " is beyond the " + range + " 0.." + std::to_string(max_x) + ",0.." +
           std::to_string(max_y) + " of this picture";
}

converter::Extent extent_of(QSize size) {
    return {size.width(), size.height()};
}

converter::Target engine_target(const Target& target) {
    using converter::Target;
    const bool mono = target.bits_per_pixel == 1;
    if (target.m11) return mono ? Target::m11_mono : Target::m11_colour;
    if (mono) return Target::mono;
    return target.extension == ".bbd" ? Target::sprite : Target::colour;
}

// As the windows' Fit to window: by area averaging when dithering.
platform::Stretch stretch_for(converter::Dither dither) {
    return dither == converter::Dither::none ? platform::Stretch::smooth
                                             : platform::Stretch::area_average;
}

// Draws the picture stretched over the area, or at its natural size at the
// scroll position; or says why that position cannot be.
std::string place_at_offset(platform::PictureCanvas& canvas, const ConvertSettings& settings) {
    const Offset offset = settings.offset.value_or(Offset{});
    const QSize overhang = canvas.picture_size() - canvas.image().size();
    if (!settings.fit)
        if (auto why = offset_refusal(offset, std::max(0, overhang.width()),
                                      std::max(0, overhang.height()), "scroll range");
            !why.empty())
            return why;
    canvas.draw_picture(settings.fit, QPoint(-offset.x, -offset.y), stretch_for(settings.dither));
    return {};
}

// Draws the picture whole or filling the area in its true shape, fill's cut
// where the offset pans it (by default in the middle); or says why that pan
// cannot be.
std::string place_in_shape(platform::PictureCanvas& canvas, const ConvertSettings& settings) {
    const converter::Extent picture = extent_of(canvas.picture_size());
    const converter::Extent area = extent_of(canvas.image().size());
    const converter::PixelShape pixel = converter::pixel_shape(engine_target(settings.target));
    const converter::Cut cut = converter::fill_cut(picture, area, pixel);
    int pan = converter::centred_pan(cut);
    if (settings.shape == converter::FitShape::fill && settings.offset) {
        const Offset offset = *settings.offset;
        if (auto why = offset_refusal(offset, cut.across ? cut.overhang : 0,
                                      cut.across ? 0 : cut.overhang, "cut range");
            !why.empty())
            return why;
        pan = cut.across ? offset.x : offset.y;
    }
    const converter::Placement place =
        converter::fit_placement(settings.shape, picture, area, pixel, pan);
    canvas.draw_picture_in({place.left, place.top, place.width, place.height},
                           stretch_for(settings.dither));
    return {};
}

}  // namespace

Size area_of(const ConvertSettings& settings) {
    if (settings.target.m11) return settings.area;
    return {settings.target.width, settings.target.height};
}

Converted convert_picture(const QImage& picture, const ConvertSettings& settings) {
    const Size area = area_of(settings);
    Converted result;
    platform::PictureCanvas canvas(area.width, area.height);
    canvas.set_picture(picture);
    const bool in_shape = settings.fit && settings.shape != converter::FitShape::stretch;
    result.error = in_shape ? place_in_shape(canvas, settings) : place_at_offset(canvas, settings);
    if (!result.error.empty()) return result;
    result.file = converter::convert_to_file(
        canvas, engine_target(settings.target),
        {settings.bw_level, settings.levels, settings.swaps, settings.dither});
    result.preview = canvas.image();
    return result;
}

}  // namespace bkpic
