#include "engine/nearest_bk.h"

#include <cmath>

#include "engine/rules.h"

namespace converter {
namespace {

using light::lab_of_lms;
using light::lms_of_rgb;

// One OKLab coordinate of a colour, with the library's cube roots.
float exact_lab(const std::array<float, 3>& rgb, int k) {
    double root[3];
    for (int j = 0; j < 3; ++j)
        root[j] = std::cbrt(double(lms_of_rgb[j][0]) * rgb[0] + double(lms_of_rgb[j][1]) * rgb[1] +
                            double(lms_of_rgb[j][2]) * rgb[2]);
    return float(lab_of_lms[k][0] * root[0] + lab_of_lms[k][1] * root[1] +
                 lab_of_lms[k][2] * root[2]);
}

}  // namespace

NearestBkColour::NearestBkColour() {
    const std::array<std::array<float, 3>, 4> linear{{{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}}};
    const std::array<std::uint8_t, 4> index{bk::black, bk::blue, bk::green, bk::red};
    for (int i = 0; i < 4; ++i) {
        Candidate& candidate = candidates_[i];
        candidate.index = index[i];
        cones_of(linear[i].data(), candidate.cones.data());
        const float p[3] = {exact_lab(linear[i], 0), exact_lab(linear[i], 1),
                            exact_lab(linear[i], 2)};
        const float weighted[3] = {lightness_weight * p[0], p[1], p[2]};
        for (int k = 0; k < 3; ++k)
            candidate.weights[k] =
                -2 * (weighted[0] * lab_of_lms[0][k] + weighted[1] * lab_of_lms[1][k] +
                      weighted[2] * lab_of_lms[2][k]);
        candidate.constant = weighted[0] * p[0] + weighted[1] * p[1] + weighted[2] * p[2];
    }
    for (int i = 0; i < root_steps; ++i) {
        const std::uint32_t middle =
            smallest + (std::uint32_t(i) << dropped_bits) + (1u << (dropped_bits - 1));
        roots_[i] = float(std::cbrt(double(std::bit_cast<float>(middle))));
    }
}

const NearestBkColour& NearestBkColour::shared() {
    static const NearestBkColour nearest;
    return nearest;
}

}  // namespace converter
