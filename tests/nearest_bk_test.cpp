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

using converter::light::lab_of_lms;
using converter::light::lms_of_rgb;

std::array<double, 3> exact_oklab(const float* rgb) {
    double root[3];
    for (int k = 0; k < 3; ++k)
        root[k] = std::cbrt(double(lms_of_rgb[k][0]) * rgb[0] + double(lms_of_rgb[k][1]) * rgb[1] +
                            double(lms_of_rgb[k][2]) * rgb[2]);
    std::array<double, 3> lab{};
    for (int k = 0; k < 3; ++k)
        lab[k] =
            lab_of_lms[k][0] * root[0] + lab_of_lms[k][1] * root[1] + lab_of_lms[k][2] * root[2];
    return lab;
}

// Lightness weighted as the choice weights it.
double distance2(const std::array<double, 3>& p, const std::array<double, 3>& q) {
    return converter::NearestBkColour::lightness_weight * (p[0] - q[0]) * (p[0] - q[0]) +
           (p[1] - q[1]) * (p[1] - q[1]) + (p[2] - q[2]) * (p[2] - q[2]);
}

// Over a grid through the whole held range, wherever one BK colour is
// clearly nearest (the runner-up 0.002 of a squared distance behind or
// more), the quick choice is that colour, and `chosen` is its light.
TEST(NearestBkColour, IsTheNearestInOklab) {
    const converter::NearestBkColour nearest;
    const std::array<std::array<float, 3>, 4> linear{{{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}}};
    const std::array<std::uint8_t, 4> index{bk::black, bk::blue, bk::green, bk::red};
    int compared = 0;
    for (int r = 0; r <= 40; ++r)
        for (int g = 0; g <= 40; ++g)
            for (int b = 0; b <= 40; ++b) {
                float rgb[3] = {-0.5f + r * 0.05f, -0.5f + g * 0.05f, -0.5f + b * 0.05f};
                const auto lab = exact_oklab(rgb);
                std::array<double, 4> distance{};
                for (int i = 0; i < 4; ++i)
                    distance[i] = distance2(lab, exact_oklab(linear[i].data()));
                const int best =
                    int(std::min_element(distance.begin(), distance.end()) - distance.begin());
                auto others = distance;
                others[best] = 1e9;
                if (*std::min_element(others.begin(), others.end()) < distance[best] + 2e-3)
                    continue;
                float lms[3], chosen[3], best_lms[3];
                converter::NearestBkColour::cones_of(rgb, lms);
                converter::NearestBkColour::cones_of(linear[best].data(), best_lms);
                ASSERT_EQ(nearest(lms, chosen), index[best])
                    << rgb[0] << " " << rgb[1] << " " << rgb[2];
                EXPECT_EQ(std::vector<float>(chosen, chosen + 3),
                          std::vector<float>(best_lms, best_lms + 3));
                ++compared;
            }
    EXPECT_GT(compared, 60000);
}

}  // namespace
