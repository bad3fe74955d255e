// Where Fit puts a picture in each shape, and how large the BK's pixels are.
#include "engine/true_shape.h"

#include <gtest/gtest.h>

#include <ostream>

#include "tests/support/param_names.h"

namespace {

using namespace converter;

struct PlacementCase {
    const char* name;
    FitShape shape;
    Extent picture, area;
    PixelShape pixel;
    int pan;
    Placement expected;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

// 360 x 240 in a 256 x 256 colour area (1024 x 768 as the BK shows it):
// 1024 x 683 whole, 228 rows; 1152 x 768 filling, 288 columns.
// 240 x 360 in a 512 x 256 mono area: 512 x 768 whole, 256 columns;
// 1024 x 1536 filling, 512 rows.
using enum FitShape;
const PixelShape bw = mono_pixel, four = colour_pixel;
const PlacementCase placements[] = {
    {"StretchTakesTheArea", stretch, {360, 240}, {256, 256}, four, 9, {0, 0, 256, 256}},
    {"WholeWideInColour", whole, {360, 240}, {256, 256}, four, 0, {0, 14, 256, 228}},
    {"WholeTallInMono", whole, {240, 360}, {512, 256}, bw, 0, {128, 0, 256, 256}},
    {"WholeOfTheAreasShape", whole, {1024, 768}, {64, 64}, four, 0, {0, 0, 64, 64}},
    {"FillCutsAcross", fill, {360, 240}, {256, 256}, four, 20, {-20, 0, 288, 256}},
    {"FillPansOnlyToTheOverhang", fill, {360, 240}, {256, 256}, four, 100, {-32, 0, 288, 256}},
    {"FillCutsDown", fill, {240, 360}, {512, 256}, bw, 10, {0, -10, 512, 512}},
    {"FillOfTheAreasShapeCutsNothing", fill, {512, 384}, {512, 256}, bw, 7, {0, 0, 512, 256}},
    {"EmptyPictureTakesTheArea", whole, {0, 10}, {96, 64}, bw, 0, {0, 0, 96, 64}}};

class FitPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(FitPlacement, PutsThePictureInItsTrueShape) {
    const PlacementCase& c = GetParam();
    const Placement place = fit_placement(c.shape, c.picture, c.area, c.pixel, c.pan);
    EXPECT_EQ(place, c.expected) << place.left << "," << place.top << " " << place.width << "x"
                                 << place.height;
}

INSTANTIATE_TEST_SUITE_P(Shapes, FitPlacement, testing::ValuesIn(placements),
                         testing_support::printed_name);

TEST(TrueShape, PixelsOfEachTargetMakeA4To3ScreenAndFillCutsTheLongerAxis) {
    for (Target target : {Target::mono, Target::m11_mono})
        EXPECT_EQ(pixel_shape(target), mono_pixel);
    for (Target target : {Target::colour, Target::sprite, Target::m11_colour})
        EXPECT_EQ(pixel_shape(target), colour_pixel);
    EXPECT_EQ(true_shape_size({64, 64}, colour_pixel), (Extent{256, 192}));
    EXPECT_EQ(centred_pan(fill_cut({360, 240}, {256, 256}, colour_pixel)), 16);
    EXPECT_EQ(fill_cut({240, 360}, {512, 256}, mono_pixel), (Cut{false, 256}));
    EXPECT_EQ(fill_cut({1, 100000}, {512, 256}, mono_pixel).overhang, 34133333 - 256);
}

}  // namespace
