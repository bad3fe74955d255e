#include "formats/bk_screen.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/support/param_names.h"
#include "tests/support/printers.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// One lit pixel (x, y) of a whole screen lands in exactly one byte, the
// leftmost pixel of a byte in its lowest bits.
TEST(BkScreen, APixelLandsInItsByteOnly) {
    const std::tuple<bk::ScreenLayout, int, int, std::uint8_t, int, std::uint8_t> spots[] = {
        {bk::mono_pic, 13, 2, 1, 129, 32}, {bk::mono_pic, 511, 255, 1, 16383, 128},
        {bk::colour_pic, 5, 1, 2, 65, 8},  {bk::colour_pic, 255, 255, 3, 16383, 192},
        {bk::bbd_sprite, 4, 1, 3, 17, 3},  {bk::bbd_sprite, 63, 63, 1, 1023, 64}};
    for (const auto& [layout, x, y, value, index, byte] : spots) {
        Bytes pixels(std::size_t(layout.width) * layout.height, 0);
        pixels[std::size_t(y) * layout.width + x] = value;
        Bytes expected(layout.file_size(), 0);
        expected[index] = byte;
        EXPECT_EQ(bk::pack_pixels(pixels, layout.width, layout.bits_per_pixel), expected)
            << testing::PrintToString(layout) << " x" << x << " y" << y;
    }
}

class Layouts : public testing::TestWithParam<bk::ScreenLayout> {};

// Bytes beyond the screen are ignored; bytes missing leave their pixels 0.
TEST_P(Layouts, PackAndUnpackRoundTrip) {
    const bk::ScreenLayout layout = GetParam();
    std::mt19937 random(layout.width);
    Bytes pixels(std::size_t(layout.width) * layout.height);
    for (auto& p : pixels) p = random() % (1u << layout.bits_per_pixel);
    Bytes bytes = bk::pack_pixels(pixels, layout.width, layout.bits_per_pixel);
    bytes.push_back(0xFF);
    EXPECT_EQ(bk::unpack_pixels(bytes, layout), pixels);
    bytes.resize(3);
    pixels.resize(3 * 8 / layout.bits_per_pixel);
    pixels.resize(std::size_t(layout.width) * layout.height, 0);
    EXPECT_EQ(bk::unpack_pixels(bytes, layout), pixels);
}

INSTANTIATE_TEST_SUITE_P(All, Layouts,
                         testing::Values(bk::mono_pic, bk::colour_pic, bk::bbd_sprite),
                         testing_support::printed_name);

}  // namespace
