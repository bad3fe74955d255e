// An 11M file whose pixels the converter's walks packed opens in the 11M
// viewer window showing the pixels the converter drew, in either mode, and
// again after Mono is toggled twice.
#include <gtest/gtest.h>

#include <random>

#include "engine/walks.h"
#include "platform/memory_surface.h"
#include "tests/support/param_names.h"
#include "tests/v11/m11_support.h"
#include "tests/viewer/viewer_rig.h"
#include "viewer/m11_window.h"

namespace {

using namespace viewer_testing;

struct Area {
    int width;
    int height;
    bool mono;
};

void PrintTo(const Area& a, std::ostream* os) {
    *os << a.width << "x" << a.height << (a.mono ? " mono" : " colour");
}

// Every pixel, row by row; as many as the surface has.
std::vector<std::int32_t> pixels_of(const platform::PixelSurface& surface) {
    std::vector<std::int32_t> pixels;
    for (int y = 0; y < surface.pixel_height(); ++y) {
        for (int x = 0; x < surface.pixel_width(); ++x) pixels.push_back(surface.pixel(x, y));
    }
    return pixels;
}

class ConverterToM11Viewer : public testing::TestWithParam<Area> {};

TEST_P(ConverterToM11Viewer, TheViewerShowsWhatTheConverterDrew) {
    const Area a = GetParam();
    platform::MemorySurface converted(a.width, a.height);
    std::mt19937 random(a.width * 1000 + a.height);
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) converted.set_pixel(x, y, random() & 0xFFFFFF);
    }
    // The walks draw each decided pixel back in the converter's colours,
    // which are the viewer's initial maps.
    const std::vector<std::uint8_t> bytes =
        a.mono ? converter::walk_mono(converted, 128)
               : converter::walk_colour(converted, {}, converter::SwapFlags{});
    const bk::m11::Header header{a.width / (a.mono ? 8 : 4), a.height};
    ASSERT_EQ(bytes.size(), std::size_t(header.data_size()));

    ViewerWindowRig<viewer::Form2> rig(viewer_defaults_ini);
    if (a.mono) {
        rig.choose("openbk_mnu");  // cancelled: Mono can be chosen before the file
        rig.choose("mono_col_mnu");
    }
    rig.open_bytes("area.11M", v11_testing::as_text(bk::m11::file_bytes(header, bytes)));
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(pixels_of(rig.picture()), pixels_of(converted));

    rig.choose("mono_col_mnu");
    rig.choose("mono_col_mnu");
    EXPECT_EQ(pixels_of(rig.picture()), pixels_of(converted));
}

INSTANTIATE_TEST_SUITE_P(Areas, ConverterToM11Viewer,
                         testing::Values(Area{256, 767, false}, Area{512, 767, true},
                                         Area{100, 37, false}, Area{8, 1, true}),
                         testing_support::printed_name);

}  // namespace
