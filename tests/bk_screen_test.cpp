#include "formats/bk_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/support/param_names.h"
#include "tests/support/printers.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(BkScreen, PacksLeftmostPixelInLowestBits) {
    const std::tuple<Bytes, int, Bytes> rows[] = {
        {{0, 1, 2, 3}, 2, {0xE4}},  // black, blue, green, red
        {{3, 3, 3, 3}, 2, {255}},
        {{1, 0, 0, 0}, 2, {1}},
        {{0, 0, 0, 3}, 2, {192}},
        {{1, 0, 0, 0, 0, 0, 0, 0}, 1, {1}},
        {{1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0, 1}, 1, {255, 130}}};
    for (const auto& [pixels, bits, bytes] : rows)
        EXPECT_EQ(bk::pack_pixels(pixels, int(pixels.size()), bits), bytes) << bytes.size();
}

// One lit pixel (x, y) of a whole screen lands in exactly one byte.
struct Spot {
    bk::ScreenLayout layout;
    int x, y;
    std::uint8_t value;
    int index;
    std::uint8_t byte;
};

void PrintTo(const Spot& s, std::ostream* os) {
    bk::PrintTo(s.layout, os);
    *os << " x" << s.x << " y" << s.y;
}

class PackSpot : public testing::TestWithParam<Spot> {};

TEST_P(PackSpot, LandsInItsByteOnly) {
    const Spot& s = GetParam();
    Bytes pixels(std::size_t(s.layout.width) * s.layout.height, 0);
    pixels[std::size_t(s.y) * s.layout.width + s.x] = s.value;
    Bytes expected(s.layout.file_size(), 0);
    expected[s.index] = s.byte;
    EXPECT_EQ(bk::pack_pixels(pixels, s.layout.width, s.layout.bits_per_pixel), expected);
}

INSTANTIATE_TEST_SUITE_P(Screens, PackSpot,
                         testing::Values(Spot{bk::mono_pic, 13, 2, 1, 129, 32},
                                         Spot{bk::mono_pic, 511, 255, 1, 16383, 128},
                                         Spot{bk::colour_pic, 5, 1, 2, 65, 8},
                                         Spot{bk::colour_pic, 255, 255, 3, 16383, 192},
                                         Spot{bk::bbd_sprite, 4, 1, 3, 17, 3},
                                         Spot{bk::bbd_sprite, 63, 63, 1, 1023, 64}),
                         testing_support::printed_name);

class Layouts : public testing::TestWithParam<bk::ScreenLayout> {};

TEST_P(Layouts, PackAndUnpackRoundTrip) {
    const bk::ScreenLayout layout = GetParam();
    std::mt19937 random(layout.width);
    Bytes pixels(std::size_t(layout.width) * layout.height);
    for (auto& p : pixels) p = random() % (1u << layout.bits_per_pixel);
    const Bytes bytes = bk::pack_pixels(pixels, layout.width, layout.bits_per_pixel);
    ASSERT_EQ(int(bytes.size()), layout.file_size());
    EXPECT_EQ(bk::unpack_pixels(bytes, layout), pixels);
}

TEST_P(Layouts, UnpackIgnoresBytesBeyondTheScreen) {
    const bk::ScreenLayout layout = GetParam();
    const Bytes pixels = bk::unpack_pixels(Bytes(layout.file_size() + 10, 0xFF), layout);
    EXPECT_EQ(pixels,
              Bytes(std::size_t(layout.width) * layout.height, (1u << layout.bits_per_pixel) - 1));
}

INSTANTIATE_TEST_SUITE_P(All, Layouts,
                         testing::Values(bk::mono_pic, bk::colour_pic, bk::bbd_sprite),
                         testing_support::printed_name);

TEST(BkScreen, FileSizes) {
    EXPECT_EQ(bk::mono_pic.file_size(), 16384);
    EXPECT_EQ(bk::colour_pic.file_size(), 16384);
    EXPECT_EQ(bk::bbd_sprite.file_size(), 1024);
}

TEST(BkScreen, UnpackOfShortInputLeavesTheRestZero) {
    const Bytes pixels = bk::unpack_pixels(Bytes{0xE4, 0x01, 0x80}, bk::colour_pic);
    ASSERT_EQ(pixels.size(), 65536u);
    EXPECT_EQ(Bytes(pixels.begin(), pixels.begin() + 12),
              (Bytes{0, 1, 2, 3, 1, 0, 0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(std::count(pixels.begin() + 12, pixels.end(), 0), 65536 - 12);
}

}  // namespace
