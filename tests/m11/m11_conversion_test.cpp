// What an 11M Convert walks and writes: the plan for the area, the
// colour rule with six acting flags.
#include "engine/m11_conversion.h"

#include <gtest/gtest.h>

#include "engine/walks.h"
#include "platform/memory_surface.h"

namespace {

using converter::m11::ConversionPlan;
using converter::m11::plan_conversion;

constexpr std::int32_t rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

TEST(M11Plan, HeaderDescribesTheWalkedWholeBytes) {
    struct Row {
        int width, height, pixels_per_byte, walked, line_width;
    };
    const Row rows[] = {{256, 256, 4, 256, 64},
                        {260, 64, 4, 260, 65},
                        {260, 10, 8, 256, 32},
                        {268, 10, 8, 264, 33} /* not 34 */,
                        {512, 767, 8, 512, 64}};
    for (const Row& row : rows) {
        const ConversionPlan plan = plan_conversion(row.width, row.height, row.pixels_per_byte);
        EXPECT_EQ(plan.width, row.walked) << row.width;
        EXPECT_EQ(plan.header, (bk::m11::Header{row.line_width, row.height})) << row.width;
    }
}

// Every channel at values around the levels, and the unreadable pixel, as
// one row walked by the 11M rule or by the main window's.
std::vector<std::int32_t> walked(const converter::SwapFlags& flags, bool in_11m) {
    const int values[] = {0, 1, 50, 127, 128, 129, 200, 255};
    std::vector<std::int32_t> pixels{-1};
    for (int r : values)
        for (int g : values)
            for (int b : values) pixels.push_back(rgb(r, g, b));
    while (pixels.size() % 4 != 0) pixels.push_back(-1);  // whole bytes
    const int width = static_cast<int>(pixels.size());
    platform::MemorySurface surface(width, 1);
    for (int x = 0; x < width; ++x) surface.set_pixel(x, 0, pixels[x]);
    if (in_11m) {
        converter::m11::walk_colour_11m(surface, plan_conversion(width, 1, 4), {}, flags);
    } else {
        converter::walk_colour(surface, {}, flags);
    }
    for (int x = 0; x < width; ++x) pixels[x] = surface.pixel(x, 0);
    return pixels;
}

TEST(M11ColourRule, OnlySwapsAmongColoursAct) {
    const auto without_flags = walked({}, false);
    for (int flag = 1; flag <= 12; ++flag) {
        converter::SwapFlags flags{};
        flags[flag - 1] = true;
        const bool acts = flag % 3 != 0 && flag < 9;  // 1, 2, 4, 5, 7, 8
        EXPECT_EQ(walked(flags, true), acts ? walked(flags, false) : without_flags) << flag;
        EXPECT_NE(walked(flags, false), without_flags) << flag;
    }
}

}  // namespace
