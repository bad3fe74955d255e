// The bytes of a 24-bit BMP file, for odd widths as well.
#include "viewer/bmp_file.h"

#include <gtest/gtest.h>

#include "platform/memory_surface.h"
#include "tests/support/param_names.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t number(const Bytes& file, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | file.at(at + i);
    return value;
}

class BmpSizes : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(BmpSizes, HeadersAndBottomUpRowsPaddedToFourBytes) {
    const auto [width, height] = GetParam();
    platform::MemorySurface picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) picture.set_pixel(x, y, x + 256 * y + 65536 * (x ^ y));
    }
    const Bytes file = viewer::encode_bmp(picture);
    const std::uint32_t row = (width * 3 + 3) / 4 * 4;
    ASSERT_EQ(file.size(), 54 + row * height);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    const std::uint32_t data = row * height;
    const std::uint32_t offsets[] = {2, 6, 10, 14, 18, 22, 30, 34, 38, 42, 46, 50};
    const std::uint32_t values[] = {
        54 + data, 0,    54, 40, std::uint32_t(width), std::uint32_t(height), 0, data,
        3780,      3780, 0,  0};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(number(file, offsets[i], 4), values[i]) << offsets[i];
    EXPECT_EQ(number(file, 26, 2), 1u);
    EXPECT_EQ(number(file, 28, 2), 24u);
    for (int y = 0; y < height; ++y) {
        const std::size_t start = 54 + std::size_t(height - 1 - y) * row;
        for (int x = 0; x < width; ++x) {
            const std::size_t at = start + 3 * x;
            EXPECT_EQ(file[at], (x ^ y) & 255) << x << "," << y;  // blue
            EXPECT_EQ(file[at + 1], y & 255);                     // green
            EXPECT_EQ(file[at + 2], x & 255);                     // red
        }
        for (std::size_t pad = start + 3 * width; pad < start + row; ++pad) EXPECT_EQ(file[pad], 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, BmpSizes,
                         testing::Values(std::pair{1, 1}, std::pair{2, 3}, std::pair{3, 2},
                                         std::pair{5, 1}, std::pair{64, 64}, std::pair{0, 0}),
                         testing_support::printed_name);

}  // namespace
