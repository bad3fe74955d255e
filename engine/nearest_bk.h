#pragma once
// The BK colour nearest to a colour in linear light, as error diffusion asks
// it once a pixel: nearest in OKLab, among black, blue, green and red, with
// lightness counting twice as much as the two colour axes (its squared
// difference four times). From a distance the eye blurs the colour of fine
// detail sooner than its lightness, so the mix that keeps lightness right
// looks nearer; the hues still decide between colours of like lightness.
//
// The colour comes as its cone responses (l, m, s), a linear map of linear
// red, green and blue on which OKLab is built; error diffusion can work on
// them as well as on red, green and blue, and the choice then needs no
// matrix on the way from one pixel's choice to the next.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "engine/light.h"

namespace converter {

class NearestBkColour {
  public:
    static constexpr float lightness_weight = 4;  // on the squared difference

    NearestBkColour();

    // The one every dithering call uses, built at its first use (its cube
    // root table alone takes 7,936 roots).
    static const NearestBkColour& shared();

    static void cones_of(const float* rgb, float* lms) {
        for (int k = 0; k < 3; ++k)
            lms[k] = light::lms_of_rgb[k][0] * rgb[0] + light::lms_of_rgb[k][1] * rgb[1] +
                     light::lms_of_rgb[k][2] * rgb[2];
    }

    // Holds each response within -0.25..1.25 (a little past where colours
    // within reach take them), so that the error of colours out of reach
    // cannot pile up over a large area.
    static void hold(float* lms) {
        for (int k = 0; k < 3; ++k) lms[k] = std::min(std::max(lms[k], -0.25f), 1.25f);
    }

    // The nearest BK colour's class (bk::black, blue, green or red), its cone
    // responses put into `chosen`.
    // NOTE: always inlined; it is the inner step of error diffusion.
    [[gnu::always_inline]] std::uint8_t operator()(const float* lms, float* chosen) const {
        const float l = cube_root(lms[0]), m = cube_root(lms[1]), s = cube_root(lms[2]);
        const auto score = [&](const Candidate& c) {
            return c.constant + c.weights[0] * l + c.weights[1] * m + c.weights[2] * s;
        };
        const float s0 = score(candidates_[0]), s1 = score(candidates_[1]);
        const float s2 = score(candidates_[2]), s3 = score(candidates_[3]);
        // The smallest score, choosing by integers and minima: which one wins
        // is hard to guess, so branches would be mispredicted.
        const int first = int(s1 < s0);
        const int second = 2 + int(s3 < s2);
        const int later = int(std::min(s2, s3) < std::min(s0, s1));
        const Candidate& best = candidates_[first ^ ((first ^ second) & -later)];
        chosen[0] = best.cones[0];
        chosen[1] = best.cones[1];
        chosen[2] = best.cones[2];
        return best.index;
    }

  private:
    // With W the lightness weighting, the distance from a colour's OKLab
    // value p to a BK colour's c, less p.Wp (the same for every BK colour),
    // is c.Wc - 2 p.Wc; OKLab being a linear map of the cube roots of the
    // cone responses (l', m', s'), that is constant + weights . (l', m', s').
    struct Candidate {
        std::array<float, 3> cones;    // l, m, s
        std::array<float, 3> weights;  // on l', m', s'
        float constant;
        std::uint8_t index;
    };

    // Cube roots by a table over the floats' exponents and top eight
    // mantissa bits, each step's root taken at its middle: to 0.07 % from
    // 2^-30 (below which a root is taken as 2^-30's, 0.001) to 2.
    static constexpr int mantissa_bits = 23, kept_bits = 8;
    static constexpr int dropped_bits = mantissa_bits - kept_bits;
    static constexpr std::uint32_t smallest = (127u - 30u) << mantissa_bits;  // 2^-30
    static constexpr std::uint32_t largest = (128u << mantissa_bits) - 1;     // below 2
    static constexpr int root_steps = int((largest - smallest) >> dropped_bits) + 1;

    float cube_root(float x) const {
        const std::uint32_t magnitude =
            std::clamp(std::bit_cast<std::uint32_t>(x) & 0x7fffffffu, smallest, largest);
        return std::copysign(roots_[(magnitude - smallest) >> dropped_bits], x);
    }

    std::array<Candidate, 4> candidates_{};
    std::array<float, root_steps> roots_{};
};

}  // namespace converter
