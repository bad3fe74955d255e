#include "bkpic/arguments.h"

#include <gtest/gtest.h>

namespace {

using bkpic::Size;

TEST(BkpicArguments, NumbersMustBeWholeAndInRange) {
    EXPECT_EQ(bkpic::parse_size("764x256").value, (Size{764, 256}));
    EXPECT_EQ(bkpic::parse_offset("0,44").value, (bkpic::Offset{0, 44}));
    EXPECT_EQ(bkpic::parse_level("0").value, 0);
    EXPECT_EQ(bkpic::parse_level("255").value, 255);
    const auto levels = bkpic::parse_levels("1,2,3").value;
    ASSERT_TRUE(levels);
    EXPECT_EQ(std::tie(levels->red, levels->green, levels->blue), std::make_tuple(1, 2, 3));
    for (const char* bad : {"", "x", "256x", "x256", "256x256x1", "25 6x256", "0x256", "-1x64",
                            "1.5x64", "99999999999x64"})
        EXPECT_FALSE(bkpic::parse_size(bad).value) << bad;
    for (const char* bad : {"-1,0", "1;2", "1,2,3", ","})
        EXPECT_FALSE(bkpic::parse_offset(bad).value) << bad;
    for (const char* bad : {"-1", "256", "12a", "1,2"})
        EXPECT_FALSE(bkpic::parse_level(bad).value) << bad;
    EXPECT_EQ(bkpic::parse_levels("1,2,300").error, "\"300\" is out of range 0..255");
}

TEST(BkpicArguments, SwapsAreOnePerFrameAndMustActInTheTarget) {
    const auto all = converter::all_flags_act;
    const auto six = converter::colour_swaps_act;
    const auto flags = bkpic::parse_swaps("12,1,5,9", all).value;
    ASSERT_TRUE(flags);
    EXPECT_EQ(*flags, (converter::SwapFlags{1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1}));
    EXPECT_TRUE(bkpic::parse_swaps("1,4,7", six).value);
    EXPECT_TRUE(bkpic::parse_swaps("2,5,8", six).value);
    for (const char* ok_in_main_only : {"3", "6", "9", "10", "11", "12"}) {
        EXPECT_TRUE(bkpic::parse_swaps(ok_in_main_only, all).value);
        EXPECT_FALSE(bkpic::parse_swaps(ok_in_main_only, six).value) << ok_in_main_only;
    }
    for (const char* bad : {"0", "13", "1,1", "10,12", "", "1,,2"})
        EXPECT_FALSE(bkpic::parse_swaps(bad, all).value) << bad;
}

TEST(BkpicArguments, AreaFollowsThe11MWindowRules) {
    const std::pair<Size, int> allowed[] = {{{64, 64}, 8},   {{64, 64}, 4},   {{256, 256}, 8},
                                            {{764, 256}, 4}, {{512, 767}, 8}, {{276, 708}, 4},
                                            {{64, 6143}, 8}, {{4088, 96}, 8}};
    for (const auto& [area, pixels_per_byte] : allowed)
        EXPECT_EQ(bkpic::area_refusal(area, pixels_per_byte), std::nullopt)
            << area.width << "x" << area.height;
    const std::pair<Size, int> refused[] = {{{260, 64}, 8}, {{258, 64}, 4},  {{63, 64}, 4},
                                            {{64, 63}, 8},  {{768, 256}, 4}, {{512, 768}, 8},
                                            {{60, 64}, 4},  {{64, 6144}, 8}};
    for (const auto& [area, pixels_per_byte] : refused)
        EXPECT_NE(bkpic::area_refusal(area, pixels_per_byte), std::nullopt)
            << area.width << "x" << area.height;
}

}  // namespace
