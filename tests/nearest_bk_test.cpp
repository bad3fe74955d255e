// The quick nearest BK colour against weighted OKLab distances taken exactly.
#include "engine/nearest_bk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/light.h"
#include "engine/rules.h"

namespace {

using converter::NearestBkColour;

// Lightness weighted as the choice weights it.
double oklab_distance2(const float* lms, const float* other_lms) {
    double lab[3] = {};
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i)
            lab[k] += converter::light::lab_of_lms[k][i] *
                      (std::cbrt(double(lms[i])) - std::cbrt(double(other_lms[i])));
    return NearestBkColour::lightness_weight * lab[0] * lab[0] + lab[1] * lab[1] + lab[2] * lab[2];
}

// Over a grid through the whole held range, wherever one BK colour is
// clearly nearest (the runner-up 0.002 of a squared distance behind or
// more), the quick choice is that colour, and `chosen` is its light.
TEST(NearestBkColour, IsTheNearestInOklab) {
    const NearestBkColour nearest;
    const float linear[4][3] = {{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}};
    const std::uint8_t index[4] = {bk::black, bk::blue, bk::green, bk::red};
    float bk_lms[4][3];
    for (int i = 0; i < 4; ++i) NearestBkColour::cones_of(linear[i], bk_lms[i]);
    int compared = 0;
    for (int r = 0; r <= 40; ++r)
        for (int g = 0; g <= 40; ++g)
            for (int b = 0; b <= 40; ++b) {
                const float rgb[3] = {-0.5f + r * 0.05f, -0.5f + g * 0.05f, -0.5f + b * 0.05f};
                float lms[3], chosen[3];
                NearestBkColour::cones_of(rgb, lms);
                std::array<double, 4> distance{};
                for (int i = 0; i < 4; ++i) distance[i] = oklab_distance2(lms, bk_lms[i]);
                auto sorted = distance;
                std::sort(sorted.begin(), sorted.end());
                if (sorted[1] < sorted[0] + 2e-3) continue;
                const auto best =
                    std::min_element(distance.begin(), distance.end()) - distance.begin();
                ASSERT_EQ(nearest(lms, chosen), index[best])
                    << rgb[0] << " " << rgb[1] << " " << rgb[2];
                EXPECT_EQ(std::vector<float>(chosen, chosen + 3),
                          std::vector<float>(bk_lms[best], bk_lms[best] + 3));
                ++compared;
            }
    EXPECT_GT(compared, 60000);
}

}  // namespace
