#include "engine/rules.h"

#include <gtest/gtest.h>

namespace {

using converter::ColourLevels;

constexpr std::int32_t rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

// The packed number against the level's grey, so blue weighs most; an
// unreadable pixel (-1) is never lit.
TEST(MonoRule, ComparesThePackedNumberWithTheLevelGrey) {
    const std::tuple<std::int32_t, int, int> cases[] = {{rgb(255, 255, 127), 128, 0},
                                                        {rgb(0, 0, 129), 128, 1},
                                                        {rgb(0, 0, 128), 128, 0},
                                                        {rgb(0, 129, 128), 128, 1},
                                                        {rgb(128, 128, 128), 128, 0},
                                                        {rgb(129, 128, 128), 128, 1},
                                                        {rgb(255, 255, 255), 255, 0},
                                                        {rgb(0, 0, 255), 255, 0},
                                                        {rgb(1, 0, 0), 0, 1},
                                                        {rgb(0, 0, 0), 0, 0},
                                                        {-1, 0, 0},
                                                        {-1, 255, 0}};
    for (const auto& [pixel, level, bit] : cases)
        EXPECT_EQ(converter::mono_bit(pixel, converter::threshold_colour(level)), bit)
            << pixel << " at " << level;
}

// The strongest channel above its level decides; a change-colour flag acts
// only on its own frame's class when the window lets it, the later flag of
// a class deciding.
TEST(ColourRule, StrongestChannelAboveItsLevelThenTheActingFlags) {
    constexpr auto all = converter::all_flags_act, swaps = converter::colour_swaps_act;
    const std::tuple<std::int32_t, ColourLevels, std::vector<int>, int, bk::ColourIndex> cases[] = {
        {rgb(200, 100, 50), {}, {}, all, bk::red},
        {rgb(0, 200, 100), {}, {}, all, bk::green},
        {rgb(50, 100, 200), {}, {}, all, bk::blue},
        {rgb(0, 0, 0), {}, {}, all, bk::black},
        {rgb(200, 200, 0), {}, {}, all, bk::red},
        {rgb(200, 200, 200), {}, {}, all, bk::blue},
        {rgb(100, 100, 100), {}, {}, all, bk::black},
        {rgb(0, 128, 0), {}, {}, all, bk::black},
        {rgb(0, 129, 0), {}, {}, all, bk::green},
        {rgb(255, 0, 0), {255, 128, 128}, {}, all, bk::black},
        {rgb(50, 100, 200), {0, 0, 200}, {}, all, bk::black},
        {-1, {255, 255, 254}, {}, all, bk::blue},
        {-1, {0, 0, 255}, {}, all, bk::black},
        {rgb(200, 100, 50), {}, {1}, all, bk::green},
        {rgb(200, 100, 50), {}, {3}, all, bk::black},
        {rgb(0, 200, 100), {}, {5}, all, bk::blue},
        {rgb(50, 100, 200), {}, {7}, all, bk::red},
        {rgb(0, 0, 0), {}, {10}, all, bk::red},
        {rgb(0, 0, 0), {}, {12}, all, bk::blue},
        {rgb(200, 100, 50), {}, {4, 5, 7, 10, 12}, all, bk::red},
        {rgb(200, 100, 50), {}, {1, 2}, all, bk::blue},
        {rgb(0, 0, 0), {}, {10, 11}, all, bk::green},
        {rgb(200, 100, 50), {}, {3}, swaps, bk::red},
        {rgb(0, 0, 0), {}, {10}, swaps, bk::black},
        {rgb(200, 100, 50), {}, {2}, swaps, bk::blue},
        {rgb(50, 100, 200), {}, {8}, swaps, bk::green},
        {rgb(200, 100, 50), {}, {1, 3}, swaps, bk::green}};
    for (const auto& [pixel, levels, on, acting, index] : cases) {
        converter::SwapFlags flags{};
        for (int k : on) flags[k - 1] = true;
        EXPECT_EQ(converter::colour_index(pixel, levels, flags, converter::ActingFlags(acting)),
                  index)
            << pixel << " flags " << testing::PrintToString(on) << " acting " << acting;
    }
}

TEST(ArrowStep, MaxOverTwentyRoundedHalfToEven) {
    const std::pair<int, int> cases[] = {{0, 1},  {29, 1},  {30, 2},   {50, 2},   {70, 4},
                                         {90, 4}, {110, 6}, {229, 11}, {230, 12}, {250, 12}};
    for (const auto& [max, step] : cases) EXPECT_EQ(converter::arrow_step(max), step) << max;
}

}  // namespace
