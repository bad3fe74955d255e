#include "bkpic/convert_job.h"

#include "engine/screen_file.h"
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

converter::Target engine_target(const Target& target) {
    using converter::Target;
    const bool mono = target.bits_per_pixel == 1;
    if (target.m11) return mono ? Target::m11_mono : Target::m11_colour;
    if (mono) return Target::mono;
    return target.extension == ".bbd" ? Target::sprite : Target::colour;
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
    result.file = converter::convert_to_file(
        canvas, engine_target(settings.target),
        {settings.bw_level, settings.levels, settings.swaps, settings.dither});
    result.preview = canvas.image();
    return result;
}

}  // namespace bkpic
