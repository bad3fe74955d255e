#pragma once
// Windows bitmap (BMP) files of 24 bits per pixel, uncompressed:
//
//   offset  size  field
//   0       2     "BM"
//   2       4     file size in bytes
//   6       4     0 (reserved)
//   10      4     54: offset of the pixel data
//   14      4     40: size of the information header
//   18      4     width in pixels
//   22      4     height in pixels, positive: rows stored bottom-up
//   26      2     1 plane
//   28      2     24 bits per pixel
//   30      4     0: no compression
//   34      4     size of the pixel data in bytes
//   38      8     3780 x 3780 pixels per metre (96 per inch)
//   46      8     0, 0: no colour table
//   54            the rows, the bottom one first; each pixel blue, green,
//                 red; each row padded with zero bytes to a multiple of 4.
// All numbers are little-endian. The colours are exactly the packed values
// red + 256 * green + 65536 * blue of the surface, one file pixel per
// surface pixel.
#include <cstdint>
#include <vector>

#include "platform/pixel_surface.h"

namespace viewer {

std::vector<std::uint8_t> encode_bmp(const platform::PixelSurface& picture);

}  // namespace viewer
