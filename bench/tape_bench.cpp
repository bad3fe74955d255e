// Reading a BK tape: a whole screen file (16384 bytes) on tape is a
// recording of 1 minute 53 seconds. Read as the writer writes it (44100 Hz,
// 16-bit mono) and as a sound card records at 96000 Hz in 16-bit stereo.
#include <benchmark/benchmark.h>

#include "formats/tape.h"

namespace {

namespace tape = bk::tape;

std::vector<std::uint8_t> screen() {
    std::vector<std::uint8_t> bytes(16384);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 7 + i / 64);
    return bytes;
}

const tape::Header header{040000, 16384, tape::name_from("bench")};

// The writer's tape at `rate` in `channels` channels, by nearest sample.
std::vector<std::uint8_t> recording(int rate, int channels) {
    const std::vector<std::int16_t> written =
        tape::write_samples(header, screen(), tape::checksum(screen()));
    const std::size_t frames = written.size() * std::size_t(rate) / tape::write_rate;
    std::vector<std::int16_t> out;
    out.reserve(frames * std::size_t(channels));
    for (std::size_t k = 0; k < frames; ++k)
        for (int c = 0; c < channels; ++c)
            out.push_back(written[k * tape::write_rate / std::size_t(rate)]);
    std::vector<std::uint8_t> file = bk::wav::file_bytes(out, rate);
    file[22] = std::uint8_t(channels);  // the mono writer's header, made stereo
    file[32] = std::uint8_t(2 * channels);
    const std::uint32_t per_second = std::uint32_t(rate * 2 * channels);
    for (int k = 0; k < 4; ++k) file[std::size_t(28 + k)] = std::uint8_t(per_second >> (8 * k));
    return file;
}

void read_tape(benchmark::State& state, int rate, int channels) {
    const std::vector<std::uint8_t> file = recording(rate, channels);
    for (auto _ : state) {
        const tape::Reading reading = tape::read(bk::wav::read(file));
        if (reading.files.size() != 1 || !reading.files[0].checksum_right())
            state.SkipWithError("the tape did not read");
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK_CAPTURE(read_tape, screen_44100_hz_mono, 44100, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(read_tape, screen_96000_hz_stereo, 96000, 2)->Unit(benchmark::kMillisecond);

}  // namespace
