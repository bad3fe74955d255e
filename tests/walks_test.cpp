#include "engine/walks.h"

#include <gtest/gtest.h>

#include "platform/memory_surface.h"

namespace {

constexpr std::int32_t rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

// A picture window in memory whose columns from `unreadable_from` on lie
// outside the drawable area: they read -1 and ignore drawing. It records how
// many pixels had been drawn at each refresh.
class MemorySurface : public platform::MemorySurface {
  public:
    MemorySurface(int width, int height, std::int32_t (*source)(int, int), int unreadable_from)
        : platform::MemorySurface(width, height), unreadable_from_(unreadable_from) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) platform::MemorySurface::set_pixel(x, y, source(x, y));
    }
    std::int32_t pixel(int x, int y) const override {
        return x >= unreadable_from_ ? -1 : platform::MemorySurface::pixel(x, y);
    }
    void set_pixel(int x, int y, std::int32_t colour) override {
        ++drawn;
        if (x < unreadable_from_) platform::MemorySurface::set_pixel(x, y, colour);
    }
    void refresh() override { drawn_at_refresh.push_back(drawn); }

    int drawn = 0;
    std::vector<int> drawn_at_refresh;

  private:
    int unreadable_from_;
};

std::int32_t mono_source(int x, int y) {
    return rgb(x * 5 % 256, y, (x * 7 + y * 3) % 256);
}

TEST(WalkMono, DecidesDrawsAndPacksEveryPixelRowByRow) {
    MemorySurface surface(512, 256, mono_source, 500);
    const std::vector<std::uint8_t> bytes = converter::walk_mono(surface, 100);

    ASSERT_EQ(bytes.size(), 16384u);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 512; ++x) {  // unreadable pixels (x >= 500) are black
            const int bit = x < 500 && mono_source(x, y) > 100 * 65793;
            ASSERT_EQ(bytes[y * 64 + x / 8] >> (x % 8) & 1, bit) << x << "," << y;
            const int drawn = x >= 500 ? -1 : bit ? 16777215 : 0;
            ASSERT_EQ(surface.pixel(x, y), drawn) << x << "," << y;
        }
    }
    std::vector<int> after_each_row(256);
    for (int row = 0; row < 256; ++row) after_each_row[row] = (row + 1) * 512;
    EXPECT_EQ(surface.drawn_at_refresh, after_each_row);
}

// Columns repeat black, blue, green and red in the source.
std::int32_t four_colours(int x, int) {
    const std::int32_t source[] = {rgb(10, 20, 30), rgb(0, 0, 200), rgb(0, 200, 0), rgb(200, 0, 0)};
    return source[x % 4];
}

// Flag 10 draws black red; an unreadable pixel reads as white: blue.
TEST(WalkColour, DrawsBkColoursAndPacksThemWithTheFlagsAndUnreadablePixels) {
    MemorySurface plain(64, 64, four_colours, 64), cut(64, 64, four_colours, 32);
    EXPECT_EQ(converter::walk_colour(plain, {}, {}), std::vector<std::uint8_t>(1024, 0xE4));
    const std::int32_t drawn[] = {0, 16711680, 65280, 255};
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) ASSERT_EQ(plain.pixel(x, y), drawn[x % 4]) << x << "," << y;
    EXPECT_EQ(plain.drawn_at_refresh.size(), 64u);
    converter::SwapFlags flags{};
    flags[9] = true;
    std::vector<std::uint8_t> expected;
    for (int row = 0; row < 64; ++row) {
        expected.insert(expected.end(), 8, 0xE7);
        expected.insert(expected.end(), 8, 0x55);
    }
    EXPECT_EQ(converter::walk_colour(cut, {}, flags), expected);
}

}  // namespace
