// What an 11M Convert walks and writes: the plan for the area, the
// monochrome cut to whole bytes, and the colour rule with six acting flags.
#include "engine/m11_conversion.h"

#include <gtest/gtest.h>

#include "engine/walks.h"
#include "platform/memory_surface.h"
#include "tests/support/param_names.h"

namespace {

using converter::m11::ConversionPlan;
using converter::m11::plan_conversion;

constexpr std::int32_t rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

struct PlanCase {
    int width, height, pixels_per_byte;
    int walked, line_width;
};

void PrintTo(const PlanCase& c, std::ostream* os) {
    *os << c.width << "x" << c.height << " " << c.pixels_per_byte << " a byte";
}

class M11Plan : public testing::TestWithParam<PlanCase> {};

TEST_P(M11Plan, HeaderDescribesTheWalkedLines) {
    const PlanCase& c = GetParam();
    const ConversionPlan plan = plan_conversion(c.width, c.height, c.pixels_per_byte);
    EXPECT_EQ(plan.width, c.walked);
    EXPECT_EQ(plan.header, (bk::m11::Header{c.line_width, c.height}));
    EXPECT_EQ(plan.width, plan.header.line_width * c.pixels_per_byte);
}

INSTANTIATE_TEST_SUITE_P(Areas, M11Plan,
                         testing::Values(PlanCase{256, 256, 8, 256, 32},
                                         PlanCase{256, 256, 4, 256, 64}, PlanCase{64, 64, 8, 64, 8},
                                         PlanCase{260, 64, 4, 260, 65},
                                         PlanCase{260, 10, 8, 256, 32},
                                         PlanCase{268, 10, 8, 264, 33},  // not 34
                                         PlanCase{512, 767, 8, 512, 64}),
                         testing_support::printed_name);

// Every channel at values around the levels, and the unreadable pixel.
std::vector<std::int32_t> test_pixels() {
    const int values[] = {0, 1, 50, 127, 128, 129, 200, 255};
    std::vector<std::int32_t> pixels{-1};
    for (int r : values)
        for (int g : values)
            for (int b : values) pixels.push_back(rgb(r, g, b));
    while (pixels.size() % 4 != 0) pixels.push_back(-1);  // whole bytes
    return pixels;
}

// One surface row holding the pixels, walked once with each rule.
struct BothRules {
    explicit BothRules(const converter::SwapFlags& flags) {
        const auto pixels = test_pixels();
        const int width = static_cast<int>(pixels.size());
        platform::MemorySurface six(width, 1), twelve(width, 1), none(width, 1);
        for (int x = 0; x < width; ++x) {
            for (auto* s : {&six, &twelve, &none}) s->set_pixel(x, 0, pixels[x]);
        }
        converter::m11::walk_colour_11m(six, plan_conversion(width, 1, 4), {}, flags);
        converter::walk_colour(twelve, {}, flags);
        converter::walk_colour(none, {}, {});
        for (int x = 0; x < width; ++x) {
            in_11m.push_back(six.pixel(x, 0));
            in_main.push_back(twelve.pixel(x, 0));
            without_flags.push_back(none.pixel(x, 0));
        }
    }
    std::vector<std::int32_t> in_11m, in_main, without_flags;
};

class M11ColourRule : public testing::TestWithParam<int> {};

TEST_P(M11ColourRule, OnlySwapsAmongColoursAct) {
    const int flag = GetParam();
    converter::SwapFlags flags{};
    flags[flag - 1] = true;
    const BothRules walked(flags);
    const bool acts = flag == 1 || flag == 2 || flag == 4 || flag == 5 || flag == 7 || flag == 8;
    if (acts) {
        EXPECT_EQ(walked.in_11m, walked.in_main);
    } else {
        EXPECT_EQ(walked.in_11m, walked.without_flags);
        EXPECT_NE(walked.in_main, walked.without_flags);
    }
}

INSTANTIATE_TEST_SUITE_P(EachFlag, M11ColourRule, testing::Range(1, 13),
                         [](const auto& info) { return "flag" + std::to_string(info.param); });

TEST(M11ColourRule, WorkedExamples) {
    const auto decide = [](std::int32_t pixel, int flag) {
        converter::SwapFlags flags{};
        flags[flag - 1] = true;
        return converter::colour_index(pixel, {}, flags, converter::colour_swaps_act);
    };
    EXPECT_EQ(decide(rgb(200, 100, 50), 3), bk::red);
    EXPECT_EQ(decide(rgb(0, 0, 0), 10), bk::black);
    EXPECT_EQ(decide(rgb(200, 100, 50), 2), bk::blue);
    EXPECT_EQ(decide(rgb(50, 100, 200), 8), bk::green);
}

TEST(M11MonoWalk, CutAreaLeavesItsLastColumnsAsTheyWere) {
    platform::MemorySurface surface(260, 3, rgb(200, 200, 200));
    surface.set_pixel(0, 1, rgb(0, 0, 0));
    const auto plan = plan_conversion(260, 3, 8);
    const auto data = converter::m11::walk_mono_11m(surface, plan, 128);
    ASSERT_EQ(data.size(), 32u * 3);
    EXPECT_EQ(data[0], 0xFF);
    EXPECT_EQ(data[32], 0xFE);  // row 1, its first pixel black
    EXPECT_EQ(surface.pixel(255, 2), converter::white);
    EXPECT_EQ(surface.pixel(256, 2), rgb(200, 200, 200));  // not decided, not drawn
    EXPECT_EQ(surface.refreshes(), 3);
}

}  // namespace
