#include "viewer/drawing.h"

#include <algorithm>

#include "formats/bk_screen.h"

namespace viewer {
namespace {

// Walks `height` rows of whole bytes, as many as fit into `width` pixels,
// handing each pixel's value to `paint`.
template <class Paint>
void draw_rows(BkPainter& painter, Bytes bytes, int width, int height, int bits_per_pixel,
               Paint paint) {
    const int per_byte = 8 / bits_per_pixel;
    std::size_t next = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x <= width - per_byte; x += per_byte) {
            if (next == bytes.size()) {
                painter.surface().refresh();
                return;
            }
            const std::uint8_t byte = bytes[next++];
            for (int k = 0; k < per_byte; ++k) {
                paint(x + k, y,
                      static_cast<std::uint8_t>(bk::pixel_of_byte(byte, k, bits_per_pixel)));
            }
        }
        painter.surface().refresh();
    }
}

void draw_colour(BkPainter& painter, Bytes bytes, int width, int height) {
    draw_rows(painter, bytes, width, height, bk::colour_pic.bits_per_pixel,
              [&painter](int x, int y, std::uint8_t value) { painter.drawpoint(x, y, value); });
}

}  // namespace

void drawbbd(BkPainter& painter, Bytes bytes) {
    const int rows = std::min(bk::bbd_sprite.height, painter.surface().pixel_height());
    draw_colour(painter, bytes, bk::bbd_sprite.width, rows);
}

void drawcolorpic(BkPainter& painter, Bytes bytes) {
    const platform::PixelSurface& surface = painter.surface();
    draw_colour(painter, bytes, surface.pixel_width(), surface.pixel_height());
}

void drawmonopic(BkPainter& painter, Bytes bytes) {
    const platform::PixelSurface& surface = painter.surface();
    draw_rows(painter, bytes, surface.pixel_width(), surface.pixel_height(),
              bk::mono_pic.bits_per_pixel,
              [&painter](int x, int y, std::uint8_t value) { painter.drawpointbw(x, y, value); });
}

void draw(Decoder decoder, BkPainter& painter, Bytes bytes) {
    switch (decoder) {
        case Decoder::bbd:
            drawbbd(painter, bytes);
            return;
        case Decoder::colour_pic:
            drawcolorpic(painter, bytes);
            return;
        case Decoder::mono_pic:
            drawmonopic(painter, bytes);
            return;
    }
}

}  // namespace viewer
