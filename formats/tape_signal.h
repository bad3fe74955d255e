#pragma once
// The half-cycles of a tape recording: how long the signal stays above, then
// below, its midline, as the BK's input comparator sees it.
//
// - The midline follows the signal's mean over about 20 ms, so a DC offset
//   or a slow drift moves it along; a BK cycle (at most 1.5 ms) barely does.
// - A crossing counts only once the signal has gone past the midline by a
//   quarter of its recent peak (a Schmitt trigger), so noise near a crossing
//   makes no extra halves; the crossing's time is where the straight line
//   between the two samples around it meets the midline.
// - The peak decays over about 20 ms, so a click before the pilot holds the
//   trigger up for a few pilot cycles only.
#include <cstddef>
#include <vector>

#include "formats/wav_file.h"

namespace bk::tape {

struct Halves {
    std::vector<float> lengths_us;  // each half's length in microseconds
    bool first_high = true;         // whether lengths_us[0] is a high half
};

// The channel with more change from sample to sample (over every eighth
// block of 4096 frames): where the tape is when only one channel of a
// stereo recording holds it.
int louder_channel(const wav::Reading& sound);

Halves halves(const wav::Reading& sound, int channel);

}  // namespace bk::tape
