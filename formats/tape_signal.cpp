#include "formats/tape_signal.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace bk::tape {

namespace {

constexpr double follow_seconds = 0.020;     // the midline's and the peak's time constant
constexpr double start_seconds = 0.010;      // the first midline: the mean of this much
constexpr float trigger_share = 0.25f;       // of the recent peak, past the midline
constexpr float trigger_floor = 1.0f / 256;  // half a step of 8-bit sound
constexpr std::size_t block_frames = 4096;
// Below this rate a pilot cycle has under 11 samples, and a straight line
// between the two samples around a crossing misses it by several
// microseconds: the crossing is found on the band-limited signal instead.
constexpr int refine_below_rate = 40000;

// The band-limited signal between two samples: a Hann-windowed sinc over
// `reach` samples on each side, tabulated at `phases` steps of a sample.
class Interpolator {
  public:
    static constexpr int reach = 8;
    static constexpr int taps = 2 * reach;
    static constexpr int phases = 256;

    Interpolator() {
        constexpr double pi = 3.14159265358979323846;
        for (int p = 0; p <= phases; ++p) {
            for (int i = 0; i < taps; ++i) {
                const double x = double(p) / phases - (i - reach + 1);
                const double sinc = x == 0 ? 1 : std::sin(pi * x) / (pi * x);
                const double window = 0.5 + 0.5 * std::cos(pi * x / reach);
                weights_[std::size_t(p)][std::size_t(i)] = float(sinc * window);
            }
        }
    }

    // The value at `u` (0..1) past the sample whose neighbours are
    // around[0 .. taps - 1], that sample being around[reach - 1].
    float at(const float* around, float u) const {
        const auto& w = weights_[std::size_t(std::lround(u * phases))];
        float sum = 0;
        for (int i = 0; i < taps; ++i) sum += around[i] * w[std::size_t(i)];
        return sum;
    }

  private:
    std::array<std::array<float, taps>, phases + 1> weights_;
};

struct Extent {
    float sum;  // of the samples
    float top;  // the farthest from the midline
};

// In four lanes, so that no lane waits for another's last addition.
Extent extent(std::span<const float> xs, float midline) {
    std::array<float, 4> sums{}, tops{};
    std::size_t k = 0;
    for (; k + 4 <= xs.size(); k += 4) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            sums[lane] += xs[k + lane];
            const float away = std::abs(xs[k + lane] - midline);
            tops[lane] = away > tops[lane] ? away : tops[lane];
        }
    }
    for (; k < xs.size(); ++k) {
        sums[0] += xs[k];
        const float away = std::abs(xs[k] - midline);
        tops[0] = away > tops[0] ? away : tops[0];
    }
    return {sums[0] + sums[1] + sums[2] + sums[3],
            std::max(std::max(tops[0], tops[1]), std::max(tops[2], tops[3]))};
}

// Feeds samples one at a time and collects the half-cycles between crossings.
class CrossingFinder {
  public:
    CrossingFinder(double rate, float midline)
        : follow_(float(1 - std::exp(-1 / (follow_seconds * rate)))),
          decay_(float(std::exp(-1 / (follow_seconds * rate)))),
          follow_step_(float(1 - std::exp(-double(step) / (follow_seconds * rate)))),
          decay_step_(float(std::exp(-double(step) / (follow_seconds * rate)))),
          us_per_sample_(1e6 / rate),
          refine_(rate < refine_below_rate),
          midline_(midline) {}

    // Takes samples `first`, `first` + 1, ... in steps of `step` samples:
    // the midline and the trigger level hold within a step, so that no
    // sample waits for the one before it to update them.
    void take(std::size_t first, std::span<const float> xs) {
        for (std::size_t at = 0; at < xs.size(); at += step) {
            const auto part = xs.subspan(at, std::min(step, xs.size() - at));
            const float trigger = std::max(peak_ * trigger_share, trigger_floor);
            const float midline = midline_;
            const auto [sum, top] = extent(part, midline);
            // The next step's levels, before the samples are taken: nothing
            // of this loop then lives across the calls of the next one.
            const float n = float(part.size());
            const bool whole = part.size() == step;
            const float decayed = peak_ * (whole ? decay_step_ : std::pow(decay_, n));
            peak_ = top > decayed ? top : decayed;
            midline_ +=
                (sum / n - midline_) * (whole ? follow_step_ : 1 - std::pow(1 - follow_, n));
            for (std::size_t k = 0; k < part.size(); ++k) {
                if (refine_)
                    take_one<true>(first + at + k, part[k] - midline, trigger);
                else
                    take_one<false>(first + at + k, part[k] - midline, trigger);
            }
        }
    }

    // The halves, once the last sample `last` was taken.
    Halves result(std::size_t last) && {
        while (pending_count_ > 0) resolve(last);
        return std::move(halves_);
    }

  private:
    enum class State { unknown, low, high };

    static constexpr std::size_t step = 32;

    // One sample less the midline. The state machine reads `d` turned so
    // that the current side is positive.
    template <bool refine>
    void take_one(std::size_t n, float d, float trigger) {
        if constexpr (refine) {
            recent_[n % recent_.size()] = d;
            while (pending_count_ > 0 && n >= front().anchor + Interpolator::reach) resolve(n);
        }
        if (state_ == State::unknown) {
            if (std::abs(d) > trigger) set_anchor(d > 0 ? State::high : State::low, n, d);
            return;
        }
        const float side = state_ == State::high ? d : -d;
        if (side >= 0) {
            anchor_ = n;
            anchor_d_ = d;
            return;
        }
        if (n == anchor_ + 1) next_d_ = d;
        if (side >= -trigger) return;
        const Pending crossed{anchor_, anchor_d_, next_d_, state_ == State::low};
        if constexpr (refine)
            pending_[(pending_first_ + pending_count_++) % pending_.size()] = crossed;
        else
            crossing(double(crossed.anchor) + straight(crossed), crossed.rising);
        set_anchor(state_ == State::high ? State::low : State::high, n, d);
    }

    // A crossing between sample `anchor` and the next, still to be placed.
    struct Pending {
        std::size_t anchor;
        float anchor_d, next_d;
        bool rising;
    };

    const Pending& front() const { return pending_[pending_first_]; }

    void set_anchor(State state, std::size_t n, float d) {
        state_ = state;
        anchor_ = n;
        anchor_d_ = d;
    }

    // Places the oldest pending crossing, sample `n` being the latest taken.
    void resolve(std::size_t n) {
        const Pending p = front();
        pending_first_ = (pending_first_ + 1) % pending_.size();
        --pending_count_;
        const bool around_held = p.anchor + 1 >= std::size_t(Interpolator::reach) &&
                                 p.anchor + Interpolator::reach <= n &&
                                 n - p.anchor + Interpolator::reach < recent_.size();
        const float u = around_held ? refined(p, straight(p)) : straight(p);
        crossing(double(p.anchor) + u, p.rising);
    }

    // Where the straight line between the two samples meets the midline.
    static float straight(const Pending& p) { return p.anchor_d / (p.anchor_d - p.next_d); }

    // The crossing on the band-limited signal: a few steps of false position
    // inside the two samples, from the straight line's guess.
    float refined(const Pending& p, float guess) const {
        std::array<float, Interpolator::taps> around;
        const std::size_t first = p.anchor + 1 - Interpolator::reach;
        for (std::size_t i = 0; i < around.size(); ++i)
            around[i] = recent_[(first + i) % recent_.size()];
        float lo = 0, f_lo = p.anchor_d, hi = 1, f_hi = p.next_d, u = guess;
        for (int step = 0; step < 3; ++step) {
            const float f = interpolator_.at(around.data(), u);
            if ((f >= 0) == (f_lo >= 0)) {
                lo = u;
                f_lo = f;
            } else {
                hi = u;
                f_hi = f;
            }
            if (f_lo == f_hi) break;
            u = std::clamp(lo + f_lo * (hi - lo) / (f_lo - f_hi), lo, hi);
        }
        return u;
    }

    // A crossing at sample time `t`, into a high half when `rising`.
    void crossing(double t, bool rising) {
        if (have_crossing_)
            halves_.lengths_us.push_back(float((t - last_crossing_) * us_per_sample_));
        else
            halves_.first_high = rising;
        have_crossing_ = true;
        last_crossing_ = t;
    }

    static inline const Interpolator interpolator_;
    const float follow_, decay_, follow_step_, decay_step_;
    const double us_per_sample_;
    const bool refine_;
    float midline_;
    float peak_ = 0;
    State state_ = State::unknown;
    std::size_t anchor_ = 0;  // the last sample on the current side
    float anchor_d_ = 0, next_d_ = 0;
    std::array<float, 32> recent_{};  // the latest samples less the midline
    std::array<Pending, 16> pending_{};
    std::size_t pending_first_ = 0, pending_count_ = 0;
    bool have_crossing_ = false;
    double last_crossing_ = 0;
    Halves halves_;
};

float start_midline(const wav::Reading& sound, int channel) {
    const std::size_t count =
        std::min(sound.frame_count(), std::size_t(start_seconds * sound.format.rate) + 1);
    std::vector<float> start(count);
    wav::samples(sound, channel, 0, start);
    double sum = 0;
    for (const float x : start) sum += x;
    return count ? float(sum / double(count)) : 0.0f;
}

}  // namespace

int louder_channel(const wav::Reading& sound) {
    if (sound.format.channels == 1) return 0;
    std::array<float, block_frames> block;
    std::array<double, 2> change{};
    const std::size_t frames = sound.frame_count();
    for (int channel = 0; channel < 2; ++channel) {
        // Every eighth block is enough to tell a tape from silence or hiss.
        for (std::size_t first = 0; first < frames; first += 8 * block_frames) {
            const std::span<float> part(block.data(), std::min(block_frames, frames - first));
            wav::samples(sound, channel, first, part);
            float sum = 0;
            for (std::size_t k = 1; k < part.size(); ++k) sum += std::abs(part[k] - part[k - 1]);
            change[std::size_t(channel)] += sum;
        }
    }
    return change[1] > change[0] ? 1 : 0;
}

Halves halves(const wav::Reading& sound, int channel) {
    CrossingFinder finder(sound.format.rate, start_midline(sound, channel));
    std::array<float, block_frames> block;
    const std::size_t frames = sound.frame_count();
    for (std::size_t first = 0; first < frames; first += block_frames) {
        const std::span<float> part(block.data(), std::min(block_frames, frames - first));
        wav::samples(sound, channel, first, part);
        finder.take(first, part);
    }
    return std::move(finder).result(frames ? frames - 1 : 0);
}

}  // namespace bk::tape
