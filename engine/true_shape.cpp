#include "engine/true_shape.h"

#include <algorithm>
#include <cstdint>

namespace converter {
namespace {

constexpr std::int64_t longest = std::int64_t(1) << 30;

// numerator / denominator, rounded to the nearest whole number (halves up),
// at least 1 and at most `longest`.
int rounded(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t value = (2 * numerator + denominator) / (2 * denominator);
    return int(std::clamp<std::int64_t>(value, 1, longest));
}

// The picture drawn as wide as the area, or as tall, in its true shape.
int height_at_area_width(Extent picture, Extent area, PixelShape pixel) {
    return rounded(std::int64_t(area.width) * pixel.width * picture.height,
                   std::int64_t(picture.width) * pixel.height);
}
int width_at_area_height(Extent picture, Extent area, PixelShape pixel) {
    return rounded(std::int64_t(area.height) * pixel.height * picture.width,
                   std::int64_t(picture.height) * pixel.width);
}

// -1: the picture is relatively narrower than the area in its true shape;
// 0: the same shape; 1: wider.
int compare_widths(Extent picture, Extent area, PixelShape pixel) {
    const std::int64_t picture_side = std::int64_t(picture.width) * area.height * pixel.height;
    const std::int64_t area_side = std::int64_t(picture.height) * area.width * pixel.width;
    return (picture_side > area_side) - (picture_side < area_side);
}

bool empty(Extent extent) {
    return extent.width <= 0 || extent.height <= 0;
}

Placement whole(Extent picture, Extent area, PixelShape pixel) {
    if (compare_widths(picture, area, pixel) >= 0) {
        const int height = std::min(height_at_area_width(picture, area, pixel), area.height);
        return {0, (area.height - height) / 2, area.width, height};
    }
    const int width = std::min(width_at_area_height(picture, area, pixel), area.width);
    return {(area.width - width) / 2, 0, width, area.height};
}

}  // namespace

PixelShape pixel_shape(Target target) {
    return target == Target::mono || target == Target::m11_mono ? mono_pixel : colour_pixel;
}

Cut fill_cut(Extent picture, Extent area, PixelShape pixel) {
    if (empty(picture) || empty(area)) return {};
    switch (compare_widths(picture, area, pixel)) {
        case 1:
            return {true, std::max(width_at_area_height(picture, area, pixel) - area.width, 0)};
        case -1:
            return {false, std::max(height_at_area_width(picture, area, pixel) - area.height, 0)};
    }
    return {};
}

Placement fit_placement(FitShape shape, Extent picture, Extent area, PixelShape pixel, int pan) {
    const Placement everywhere{0, 0, area.width, area.height};
    if (empty(picture) || empty(area) || shape == FitShape::stretch) return everywhere;
    if (shape == FitShape::whole) return whole(picture, area, pixel);
    const Cut cut = fill_cut(picture, area, pixel);
    const int shift = -std::clamp(pan, 0, cut.overhang);
    if (cut.across) return {shift, 0, area.width + cut.overhang, area.height};
    return {0, shift, area.width, area.height + cut.overhang};
}

}  // namespace converter
