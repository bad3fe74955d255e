// The bytes of a 24-bit BMP file.
#include "viewer/bmp_file.h"

#include <gtest/gtest.h>

#include "platform/memory_surface.h"

namespace {

TEST(BmpFile, HeadersThenBottomUpRowsOfBlueGreenRedPaddedToFourBytes) {
    platform::MemorySurface picture(3, 2);
    const std::int32_t colours[2][3] = {{0x0000FF, 0x00FF00, 0xFF0000},
                                        {0x123456, 0xABCDEF, 0xFFFFFF}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) picture.set_pixel(x, y, colours[y][x]);
    }
    const std::vector<std::uint8_t> expected{
        'B',  'M',  78,   0,    0,    0,    0,   0,   0,   0, 54, 0, 0, 0,  // file header
        40,   0,    0,    0,    3,    0,    0,   0,   2,   0, 0,  0, 1, 0, 24, 0,
        0,    0,    0,    0,    24,   0,    0,   0,                                // info
        0xC4, 0x0E, 0,    0,    0xC4, 0x0E, 0,   0,   0,   0, 0,  0, 0, 0, 0,  0,  // 3780 per metre
        0x12, 0x34, 0x56, 0xAB, 0xCD, 0xEF, 255, 255, 255, 0, 0,  0,               // the bottom row
        0,    0,    255,  0,    255,  0,    255, 0,   0,   0, 0,  0};
    EXPECT_EQ(viewer::encode_bmp(picture), expected);
}

}  // namespace
