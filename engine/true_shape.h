#pragma once
// The true shape of BK pixels, and fitting a picture into an area in it.
//
// A BK shows its 256 lines over the height of a 4:3 picture, and emulators
// show it at 4:3 too (1024 x 768 is the usual window). So, in units of such
// a 1024 x 768 screen:
//   monochrome pixel (512 across; the 11M mono area)           2 wide, 3 tall
//   four-colour pixel (256 across; the 64 x 64 sprite; the
//   11M colour area)                                            4 wide, 3 tall
// Drawn at these sizes in PC pixels, a whole screen is 1024 x 768, and every
// picture keeps the shape the BK gives it.
//
// Fit to window scales a picture (square pixels) into an area in one of
// three shapes:
//   stretch  over the whole area, whatever its shape (the picture window's
//            own Fit; the area's pixels are taken as square)
//   whole    the whole picture in its true shape, as large as the area
//            takes, centred; the rest of the area stays black
//   fill     the whole area, in the picture's true shape: the picture
//            overhangs the area along one axis, the cut axis, and the pan
//            (0 .. overhang area pixels) chooses which part stays
//
// NOTE: sizes are rounded to whole area pixels, so a shape can be off by
// under half a pixel; a picture so thin that fill would make it over 2^30
// pixels long is cut to that length.
#include "engine/screen_file.h"

namespace converter {

enum class FitShape { stretch, whole, fill };

struct PixelShape {
    int width, height;
    bool operator==(const PixelShape&) const = default;
};
inline constexpr PixelShape mono_pixel{2, 3};
inline constexpr PixelShape colour_pixel{4, 3};

PixelShape pixel_shape(Target target);

struct Extent {
    int width = 0, height = 0;
    bool operator==(const Extent&) const = default;
};

// Where the picture is drawn, in area pixels; it may reach beyond the area.
struct Placement {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Placement&) const = default;
};

// What fill cuts off: `overhang` area pixels across (the picture is
// relatively wider than the area) or down. No overhang, no cut.
struct Cut {
    bool across = true;
    int overhang = 0;
    bool operator==(const Cut&) const = default;
};

Cut fill_cut(Extent picture, Extent area, PixelShape pixel);

// The pan that keeps the middle of the picture: half the overhang.
constexpr int centred_pan(const Cut& cut) {
    return cut.overhang / 2;
}

// The picture's place in the area for `shape`; `pan` (fill only) is held
// within 0 .. the overhang. An empty picture or area gives the whole area.
Placement fit_placement(FitShape shape, Extent picture, Extent area, PixelShape pixel, int pan = 0);

// The area drawn as the BK shows it: each pixel `pixel` PC pixels.
constexpr Extent true_shape_size(Extent area, PixelShape pixel) {
    return {area.width * pixel.width, area.height * pixel.height};
}

}  // namespace converter
