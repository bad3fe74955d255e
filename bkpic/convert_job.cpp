#include "bkpic/convert_job.h"

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

std::vector<std::uint8_t> walk(platform::PictureCanvas& canvas, const ConvertSettings& s) {
    if (s.target.bits_per_pixel == 1) return converter::walk_mono(canvas, s.bw_level);
    const auto acting = s.target.m11 ? converter::colour_swaps_act : converter::all_flags_act;
    return converter::walk_colour(canvas, s.levels, s.swaps, acting);
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
    canvas.draw_picture(settings.fit, QPoint(-settings.offset.x, -settings.offset.y));
    result.file = walk(canvas, settings);
    if (settings.target.m11) {
        const bk::m11::Header header{
            bk::m11::line_width_for(area.width, settings.target.pixels_per_byte()), area.height};
        result.file = bk::m11::file_bytes(header, result.file);
    }
    result.preview = canvas.image();
    return result;
}

}  // namespace bkpic
