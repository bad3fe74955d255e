// The 11M area: steps, minimum side, byte budget, button states, the Mono
// switch and the window geometry that follows the area.
#include "converter/m11_area.h"

#include <gtest/gtest.h>

#include "engine/m11_conversion.h"
#include "engine/rules.h"
#include "tests/support/param_names.h"

namespace {

using converter::m11::Area;
using converter::m11::Arrow;

constexpr Arrow all_arrows[] = {Arrow::narrower, Arrow::shorter, Arrow::taller, Arrow::wider};

// Presses until the button refuses; gives the number of accepted presses.
int press_until_refused(Area& area, Arrow arrow) {
    int accepted = 0;
    while (area.press(arrow)) ++accepted;
    return accepted;
}

void press(Area& area, Arrow arrow, int times) {
    for (int i = 0; i < times; ++i) ASSERT_TRUE(area.press(arrow)) << i;
}

Area first_picture(bool mono) {
    Area area;
    if (mono) area.toggle_mono();
    area.first_picture();
    return area;
}

TEST(M11ByteCount, RoundsHalfToEven) {
    using converter::m11::byte_count;
    EXPECT_EQ(byte_count(256, 256, 8), 8192);
    EXPECT_EQ(byte_count(260, 1, 8), 32);  // 32.5
    EXPECT_EQ(byte_count(268, 1, 8), 34);  // 33.5
    EXPECT_EQ(byte_count(764, 256, 4), 48896);
    EXPECT_EQ(byte_count(768, 256, 4), 49152);
    EXPECT_EQ(byte_count(512, 767, 8), 49088);
}

TEST(M11Area, BeforeAnyPictureOnlyMonoEnablesButtons) {
    Area area;
    for (Arrow arrow : all_arrows) EXPECT_FALSE(area.enabled(arrow));
    EXPECT_EQ(area.toggle_mono(), 0);
    EXPECT_TRUE(area.mono());
    EXPECT_TRUE(area.enabled(Arrow::taller) && area.enabled(Arrow::wider));
    EXPECT_FALSE(area.enabled(Arrow::narrower) || area.enabled(Arrow::shorter));
    EXPECT_EQ(area.toggle_mono(), 0);  // 256 x 256 fits four-colour
    EXPECT_TRUE(area.enabled(Arrow::wider));
    EXPECT_EQ(area.client_width(), 301);
    EXPECT_EQ(area.client_height(), 331);
    EXPECT_EQ(area.label_top(), 312);
}

struct WideningCase {
    bool mono;
    int width;
    int client_width;
};

void PrintTo(const WideningCase& c, std::ostream* os) {
    *os << (c.mono ? "mono" : "colour");
}

class M11FirstWidening : public testing::TestWithParam<WideningCase> {};

TEST_P(M11FirstWidening, GrowsTheWindowByTheStep) {
    Area area = first_picture(GetParam().mono);
    for (Arrow arrow : all_arrows) EXPECT_TRUE(area.enabled(arrow));
    ASSERT_TRUE(area.press(Arrow::wider));
    EXPECT_EQ(area.width(), GetParam().width);
    EXPECT_EQ(area.client_width(), GetParam().client_width);
    EXPECT_EQ(area.client_height(), 331);
}

INSTANTIATE_TEST_SUITE_P(Modes, M11FirstWidening,
                         testing::Values(WideningCase{false, 260, 305},
                                         WideningCase{true, 264, 309}),
                         testing_support::printed_name);

TEST(M11Area, FourColourWideningStopsAt764) {
    Area area = first_picture(false);
    EXPECT_EQ(press_until_refused(area, Arrow::wider), (764 - 256) / 4);
    EXPECT_EQ(area.width(), 764);
    EXPECT_EQ(area.bytes(), 48896);
    EXPECT_FALSE(area.enabled(Arrow::wider));
    EXPECT_EQ(area.client_width(), 764 + 45);
    area.toggle_mx();  // the factor does not enable it again
    EXPECT_FALSE(area.enabled(Arrow::wider));
    ASSERT_TRUE(area.press(Arrow::narrower));  // 748 with mX 4
    EXPECT_EQ(area.width(), 748);
    EXPECT_TRUE(area.enabled(Arrow::wider));
}

TEST(M11Area, MonoNarrowingByFourBytesStopsAt64) {
    Area area = first_picture(true);
    area.toggle_mx();
    press(area, Arrow::narrower, 5);
    EXPECT_EQ(area.width(), 96);
    ASSERT_TRUE(area.press(Arrow::narrower));
    EXPECT_EQ(area.width(), 64);
    EXPECT_FALSE(area.press(Arrow::narrower));
    EXPECT_EQ(area.width(), 64);
    EXPECT_FALSE(area.enabled(Arrow::narrower));
    EXPECT_EQ(area.client_width(), 301);  // below 256 the window keeps its width
    ASSERT_TRUE(area.press(Arrow::wider));
    EXPECT_TRUE(area.enabled(Arrow::narrower));
}

TEST(M11Area, HeightStopsAtTheMinimumSide) {
    Area area = first_picture(false);
    area.toggle_my();
    press(area, Arrow::shorter, 11);
    area.toggle_my();
    ASSERT_TRUE(area.press(Arrow::shorter));
    EXPECT_EQ(area.height(), 79);
    EXPECT_EQ(area.client_height(), 79 + 75);
    EXPECT_EQ(area.label_top(), 312 - (256 - 79));
    area.toggle_my();
    EXPECT_FALSE(area.press(Arrow::shorter));  // 63
    EXPECT_EQ(area.height(), 79);
    EXPECT_FALSE(area.enabled(Arrow::shorter));
    EXPECT_TRUE(area.enabled(Arrow::taller));
}

TEST(M11Area, WindowWidthFollowsOnlyFrom256) {
    Area area = first_picture(false);
    ASSERT_TRUE(area.press(Arrow::wider));
    ASSERT_TRUE(area.press(Arrow::narrower));
    EXPECT_EQ(area.width(), 256);
    EXPECT_EQ(area.client_width(), 301);
    ASSERT_TRUE(area.press(Arrow::narrower));
    EXPECT_EQ(area.width(), 252);
    EXPECT_EQ(area.client_width(), 301);
    ASSERT_TRUE(area.press(Arrow::wider));
    EXPECT_EQ(area.client_width(), 301);
}

// 512 x 767 monochrome, made with the buttons: the largest monochrome area
// 512 pixels wide.
Area largest_mono_area() {
    Area area = first_picture(true);
    area.toggle_mx();
    press(area, Arrow::wider, 8);
    area.toggle_my();
    press(area, Arrow::taller, 31);
    area.toggle_my();
    EXPECT_EQ(press_until_refused(area, Arrow::taller), 15);
    EXPECT_EQ(area.width(), 512);
    EXPECT_EQ(area.height(), 767);
    EXPECT_EQ(area.bytes(), 49088);
    return area;
}

TEST(M11Area, SwitchToFourColourShrinksUntilTheAreaFits) {
    Area area = largest_mono_area();
    const int label_top = area.label_top();
    std::array<bool, 4> states{};
    for (Arrow arrow : all_arrows) states[int(arrow)] = area.enabled(arrow);
    EXPECT_EQ(area.toggle_mono(), 59);
    EXPECT_FALSE(area.mono());
    EXPECT_EQ(area.width(), 276);
    EXPECT_EQ(area.height(), 708);
    EXPECT_EQ(area.bytes(), 48852);
    EXPECT_EQ(area.label_top(), label_top - 59);
    EXPECT_EQ(area.client_width(), 276 + 45);
    EXPECT_EQ(area.client_height(), 708 + 75);
    for (Arrow arrow : all_arrows) EXPECT_EQ(area.enabled(arrow), states[int(arrow)]);
}

TEST(M11Area, SwitchToFourColourMayGoBelowTheMinimumSide) {
    Area area = first_picture(true);
    area.toggle_mx();
    EXPECT_EQ(press_until_refused(area, Arrow::narrower), 6);
    area.toggle_my();
    press(area, Arrow::taller, 367);
    area.toggle_my();
    EXPECT_EQ(press_until_refused(area, Arrow::taller), 15);
    EXPECT_EQ(area.height(), 6143);
    EXPECT_EQ(area.toggle_mono(), 8);
    EXPECT_EQ(area.width(), 32);
    EXPECT_EQ(area.height(), 6135);
    EXPECT_EQ(area.client_width(), 301);  // never narrower than at design
}

TEST(M11Area, LargerPictureEnablesGrowthAgain) {
    Area area = first_picture(false);
    press_until_refused(area, Arrow::wider);
    area.toggle_my();
    press_until_refused(area, Arrow::shorter);
    area.picture_overhangs(false, false);
    EXPECT_FALSE(area.enabled(Arrow::wider));
    area.picture_overhangs(true, true);
    EXPECT_TRUE(area.enabled(Arrow::wider));
    EXPECT_FALSE(area.enabled(Arrow::shorter));  // only growth
    area.first_picture();
    EXPECT_EQ(area.width(), 256);
    for (Arrow arrow : all_arrows) EXPECT_TRUE(area.enabled(arrow));
}

// Each round switches to a mode, shrinks one side as far as the buttons go
// and grows the other as far as they allow; the file a Convert would write
// then must read back whole, in every round.
struct SwitchingCase {
    const char* name;
    Arrow shrink;
    Arrow grow;
};

void PrintTo(const SwitchingCase& c, std::ostream* out) {
    *out << c.name;
}

class M11ModeSwitches : public testing::TestWithParam<SwitchingCase> {};

TEST_P(M11ModeSwitches, NeverLeaveAnAreaTheReaderRefuses) {
    Area area = first_picture(false);
    for (int round = 0; round < 16; ++round) {
        area.toggle_mono();
        for (int i = 0; i < 50000 && area.press(GetParam().shrink); ++i) {
        }
        for (int i = 0; i < 50000 && area.press(GetParam().grow); ++i) {
        }
        const auto plan =
            converter::m11::plan_conversion(area.width(), area.height(), area.pixels_per_byte());
        const std::vector<std::uint8_t> data(std::max(0, plan.header.data_size()));
        const auto file = bk::m11::file_bytes(plan.header, data);
        const bk::m11::Reading reading = bk::m11::read(file);
        ASSERT_EQ(reading.status, bk::m11::ReadStatus::ok)
            << area.width() << " x " << area.height() << (area.mono() ? " mono" : " colour");
        EXPECT_EQ(reading.header, plan.header);
        EXPECT_LE(area.bytes(), converter::m11::byte_budget);
    }
}

INSTANTIATE_TEST_SUITE_P(Areas, M11ModeSwitches,
                         testing::Values(SwitchingCase{"NarrowAndTall", Arrow::narrower,
                                                       Arrow::taller},
                                         SwitchingCase{"LowAndWide", Arrow::shorter, Arrow::wider}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(M11Scrolling, RelativePositionAndArrowStep) {
    using converter::m11::relative_position;
    using converter::m11::value_at;
    EXPECT_EQ(relative_position(5, 0), 0.0f);
    EXPECT_EQ(value_at(relative_position(137, 274), 278), 139);
    EXPECT_EQ(value_at(relative_position(274, 274), 270), 270);
    EXPECT_EQ(value_at(relative_position(1, 2), 5), 2);  // 2.5
    EXPECT_EQ(value_at(relative_position(1, 2), 7), 4);  // 3.5
    const std::pair<int, int> steps[] = {{0, 1},   {44, 1},  {50, 1},  {74, 1}, {75, 2},
                                         {125, 2}, {175, 4}, {274, 5}, {278, 6}};
    for (const auto& [max, step] : steps) {
        EXPECT_EQ(converter::arrow_step(max, converter::m11::scroll_parts), step) << max;
    }
}

}  // namespace
