#pragma once
// Drawing BK screen bytes into a picture window through the viewer's maps.
//
// Each decoder walks its bytes from the first on, row by row from the top,
// each byte giving the next pixels of its row from left to right in the bit
// order of formats/bk_screen.h: a four-colour byte 4 pixels (bits 1-0
// leftmost), a monochrome byte 8 pixels (bit 0 leftmost). A decoder paints
// over what the surface shows without clearing it and refreshes the surface
// after every row, so the picture appears row by row.
// NOTE: drawing stops where the bytes run out; the rest of the area keeps
// what it showed.
#include <cstdint>
#include <span>

#include "platform/pixel_surface.h"
#include "viewer/palette.h"

namespace viewer {

// Paints single BK pixels in the colours the maps give them now.
class BkPainter {
  public:
    BkPainter(platform::PixelSurface& surface, const ColourMaps& maps)
        : surface_(surface), maps_(maps) {}

    // A BK colour index 0..3 paints the colour map's colour for it; any
    // other value paints nothing.
    void drawpoint(int x, int y, std::uint8_t numcol) {
        if (numcol < maps_.colour.size()) surface_.set_pixel(x, y, maps_.colour[numcol]);
    }
    // 0 paints the mono map's colour for bit 0, any other value its colour
    // for bit 1.
    void drawpointbw(int x, int y, std::uint8_t numcol) {
        surface_.set_pixel(x, y, maps_.mono[numcol == 0 ? 0 : 1]);
    }

    platform::PixelSurface& surface() const { return surface_; }

  private:
    platform::PixelSurface& surface_;
    const ColourMaps& maps_;
};

using Bytes = std::span<const std::uint8_t>;

// A 64 x 64 four-colour sprite in the top-left corner, whatever the
// surface's size: 16 bytes a row, 1024 bytes in all. Of a surface less than
// 64 pixels high it walks only the rows that the surface has.
void drawbbd(BkPainter& painter, Bytes bytes);

// Four-colour pixels over the whole surface: width / 4 bytes a row (64 in
// a 256-pixel-wide window, 16 in a 64-pixel one), height rows.
void drawcolorpic(BkPainter& painter, Bytes bytes);

// Monochrome pixels over the whole surface: width / 8 bytes a row (64 in a
// 512-pixel-wide window), height rows.
void drawmonopic(BkPainter& painter, Bytes bytes);

enum class Decoder { bbd, colour_pic, mono_pic };

void draw(Decoder decoder, BkPainter& painter, Bytes bytes);

}  // namespace viewer
