#include "engine/rules.h"

#include <gtest/gtest.h>

namespace {

using converter::ColourLevels;

constexpr std::int32_t rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

int mono(std::int32_t pixel, int level) {
    return converter::mono_bit(pixel, converter::threshold_colour(level));
}

TEST(MonoRule, ComparesThePackedNumberWithTheLevelGrey) {
    const std::pair<std::int32_t, int> at_128[] = {
        {rgb(255, 255, 127), 0}, {rgb(0, 0, 129), 1},     {rgb(0, 0, 128), 0},
        {rgb(0, 129, 128), 1},   {rgb(128, 128, 128), 0}, {rgb(129, 128, 128), 1}};
    for (const auto& [pixel, bit] : at_128) EXPECT_EQ(mono(pixel, 128), bit) << pixel;
    for (const std::int32_t pixel : {rgb(255, 255, 255), rgb(1, 0, 0), rgb(0, 0, 255)}) {
        EXPECT_EQ(mono(pixel, 255), 0) << pixel;
        EXPECT_EQ(mono(pixel, 0), 1) << pixel;
    }
    EXPECT_EQ(mono(rgb(0, 0, 0), 0), 0);
    for (int level = 0; level <= 255; ++level) EXPECT_EQ(mono(-1, level), 0) << level;
}

TEST(ColourRule, StrongestChannelAboveItsLevel) {
    const std::tuple<std::int32_t, ColourLevels, bk::ColourIndex> cases[] = {
        {rgb(200, 100, 50), {}, bk::red},
        {rgb(0, 200, 100), {}, bk::green},
        {rgb(50, 100, 200), {}, bk::blue},
        {rgb(0, 0, 0), {}, bk::black},
        {rgb(200, 200, 0), {}, bk::red},
        {rgb(200, 200, 200), {}, bk::blue},
        {rgb(255, 255, 255), {}, bk::blue},
        {rgb(100, 100, 100), {}, bk::black},
        {rgb(0, 128, 0), {}, bk::black},
        {rgb(0, 129, 0), {}, bk::green},
        {rgb(255, 0, 0), {255, 128, 128}, bk::black},
        {rgb(50, 100, 200), {0, 0, 200}, bk::black},
        {-1, {}, bk::blue},
        {-1, {255, 255, 254}, bk::blue},
        {-1, {0, 0, 255}, bk::black}};
    for (const auto& [pixel, levels, index] : cases)
        EXPECT_EQ(converter::colour_index(pixel, levels, {}), index) << pixel;
}

TEST(ColourRule, ActingFlagOfTheClassFrameSwaps) {
    constexpr auto all = converter::all_flags_act, swaps = converter::colour_swaps_act;
    const std::tuple<std::int32_t, std::vector<int>, converter::ActingFlags, bk::ColourIndex>
        cases[] = {{rgb(200, 100, 50), {1}, all, bk::green},
                   {rgb(200, 100, 50), {3}, all, bk::black},
                   {rgb(0, 200, 100), {5}, all, bk::blue},
                   {rgb(50, 100, 200), {7}, all, bk::red},
                   {rgb(0, 0, 0), {10}, all, bk::red},
                   {rgb(0, 0, 0), {12}, all, bk::blue},
                   {rgb(200, 100, 50), {4, 5, 7, 10, 12}, all, bk::red},  // other frames
                   {rgb(200, 100, 50), {1, 2}, all, bk::blue},            // the later decides
                   {rgb(0, 0, 0), {10, 11}, all, bk::green},
                   {rgb(200, 100, 50), {3}, swaps, bk::red},
                   {rgb(0, 0, 0), {10}, swaps, bk::black},
                   {rgb(200, 100, 50), {2}, swaps, bk::blue},
                   {rgb(50, 100, 200), {8}, swaps, bk::green},
                   {rgb(200, 100, 50), {1, 3}, swaps, bk::green}};
    for (const auto& [pixel, on, acting, index] : cases) {
        converter::SwapFlags flags{};
        for (int k : on) flags[k - 1] = true;
        EXPECT_EQ(converter::colour_index(pixel, ColourLevels{}, flags, acting), index)
            << pixel << " flag " << on.front() << " acting " << acting;
    }
}

TEST(ArrowStep, MaxOverTwentyRoundedHalfToEven) {
    const std::pair<int, int> cases[] = {
        {0, 1},  {1, 1},  {8, 1},  {20, 1},  {21, 1},   {29, 1},   {30, 2},   {31, 2},
        {50, 2}, {70, 4}, {90, 4}, {110, 6}, {229, 11}, {230, 12}, {250, 12}, {274, 14}};
    for (const auto& [max, step] : cases) EXPECT_EQ(converter::arrow_step(max), step) << max;
}

}  // namespace
