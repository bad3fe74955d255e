// BK tapes: what the writer puts on tape comes back byte for byte through
// everything a real recording does to it, and a tape that does not read
// says what failed.
#include "formats/tape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "formats/tape_signal.h"
#include "tests/support/param_names.h"

namespace {

namespace tape = bk::tape;
namespace wav = bk::wav;
using Bytes = std::vector<std::uint8_t>;
using Signal = std::vector<float>;

constexpr double pi = 3.14159265358979323846;

// Every byte value twice, then eight 0xFF: bits in every position, and a sum
// that carries out of 16 bits.
Bytes every_byte_value() {
    Bytes data(520, 0xFF);
    for (std::size_t i = 0; i < 512; ++i) data[i] = std::uint8_t(i < 256 ? i : 511 - i);
    return data;
}

tape::Header round_trip_header() {
    return {01000, 520, tape::name_from("ROUND TRIP")};
}

Signal written(const tape::Header& header, const Bytes& data, int checksum) {
    Signal signal;
    for (const std::int16_t s : tape::write_samples(header, data, checksum))
        signal.push_back(float(s) / 32768.0f);
    return signal;
}

// Band-limited resampling (a windowed sinc): `ratio` input samples to one
// output sample, as a sound card records or a tape plays off speed.
Signal resample(const Signal& in, double ratio) {
    const double cutoff = 0.45 / std::max(1.0, ratio);  // cycles per input sample
    const long reach = long(std::ceil(4 / cutoff));
    Signal out(std::size_t(double(in.size()) / ratio));
    for (std::size_t k = 0; k < out.size(); ++k) {
        const double t = double(k) * ratio;
        const long last = std::min(long(in.size()) - 1, long(t) + reach);
        for (long j = std::max(0L, long(t) - reach + 1); j <= last; ++j) {
            const double x = double(j) - t, window = 0.5 + 0.5 * std::cos(pi * x / reach);
            const double sinc = x == 0 ? 2 * cutoff : std::sin(2 * pi * cutoff * x) / (pi * x);
            out[k] += float(window * sinc) * in[std::size_t(j)];
        }
    }
    return out;
}

// Two RC stages at `hertz`: the rounded edges of a tape recorder.
void low_pass(Signal& s, double hertz, double rate) {
    const float a = float(1 - std::exp(-2 * pi * hertz / rate));
    for (int stage = 0; stage < 2; ++stage) {
        float y = 0;
        for (float& x : s) x = y += (x - y) * a;
    }
}

void add_noise(Signal& s, double snr_db) {
    double power = 0;
    for (const float x : s) power += double(x) * x;
    std::mt19937 random(19);
    std::normal_distribution<float> noise(
        0, float(std::sqrt(power / s.size() / std::pow(10, snr_db / 10))));
    for (float& x : s) x += noise(random);
}

// Half a second of silence with three clicks in it.
void lead_in_clicks(Signal& s, int rate) {
    Signal lead(std::size_t(rate / 2), 0.0f);
    lead[lead.size() / 5] = 0.95f;
    lead[lead.size() / 2] = -0.95f;
    lead[lead.size() * 4 / 5] = 0.95f;
    s.insert(s.begin(), lead.begin(), lead.end());
}

// A WAV file of 8 or 16-bit samples; stereo puts the signal on the right
// and silence on the left.
Bytes wav_file(const Signal& s, int rate, int bits, int channels) {
    Bytes out;
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int k = 0; k < bytes; ++k) out.push_back(std::uint8_t(value >> (8 * k)));
    };
    const auto tag = [&out](const char* text) { out.insert(out.end(), text, text + 4); };
    const std::uint32_t frame = channels * bits / 8, size = std::uint32_t(s.size()) * frame;
    tag("RIFF"), put(36 + size, 4), tag("WAVE"), tag("fmt "), put(16, 4), put(1, 2);
    put(channels, 2), put(rate, 4), put(rate * frame, 4), put(frame, 2), put(bits, 2);
    tag("data"), put(size, 4);
    for (const float x : s) {
        for (int c = 0; c < channels; ++c) {
            const float v = std::clamp(channels == 2 && c == 0 ? 0.0f : x, -1.0f, 127.0f / 128);
            if (bits == 8)
                out.push_back(std::uint8_t(std::lround(v * 128 + 128)));
            else
                put(std::uint16_t(std::int16_t(std::lround(v * 32768))), 2);
        }
    }
    return out;
}

struct Distortion {
    const char* name;
    int rate = 44100;
    int bits = 16;
    int channels = 1;
    double speed = 1;     // how fast the tape plays
    double low_pass = 0;  // hertz, 0 for none
    bool noise = false;   // 20 dB signal to noise
    float dc = 0;
    bool inverted = false;
    bool clicks = false;  // silence and clicks before the pilot
};

void PrintTo(const Distortion& d, std::ostream* os) {
    *os << d.name;
}

Bytes distorted(const Signal& written_at_44100, const Distortion& d) {
    Signal s = written_at_44100;
    if (d.low_pass > 0) low_pass(s, d.low_pass, tape::write_rate);
    const double ratio = tape::write_rate * d.speed / d.rate;
    if (ratio != 1) s = resample(s, ratio);
    if (d.clicks) lead_in_clicks(s, d.rate);
    if (d.noise) add_noise(s, 20);
    for (float& x : s) x = (d.inverted ? -x : x) + d.dc;
    return wav_file(s, d.rate, d.bits, d.channels);
}

class TapeRoundTrip : public testing::TestWithParam<Distortion> {};

TEST_P(TapeRoundTrip, GivesBackTheExactBytes) {
    const Bytes data = every_byte_value();
    const Bytes file =
        distorted(written(round_trip_header(), data, tape::checksum(data)), GetParam());
    const tape::Reading reading = tape::read(wav::read(file));
    ASSERT_EQ(tape::describe(reading), "BK tape, 1 file");
    EXPECT_EQ(reading.files[0].header, round_trip_header());
    EXPECT_EQ(reading.files[0].data, data);
    EXPECT_TRUE(reading.files[0].checksum_right());
}

INSTANTIATE_TEST_SUITE_P(
    EveryDistortion, TapeRoundTrip,
    testing::Values(
        Distortion{"clean"}, Distortion{.name = "eight_bit", .bits = 8},
        Distortion{.name = "stereo", .channels = 2},
        Distortion{.name = "at_11025_hz", .rate = 11025},
        Distortion{.name = "at_22050_hz", .rate = 22050},
        Distortion{.name = "at_48000_hz", .rate = 48000},
        Distortion{.name = "at_96000_hz", .rate = 96000},
        Distortion{.name = "fifteen_percent_fast", .speed = 1.15},
        Distortion{.name = "fifteen_percent_slow", .speed = 0.85},
        Distortion{.name = "noise_at_20_db", .noise = true},
        Distortion{.name = "rounded_edges", .low_pass = 4000},
        Distortion{.name = "dc_offset", .dc = 0.2f},
        Distortion{.name = "inverted", .inverted = true},
        Distortion{.name = "silence_and_clicks_first", .clicks = true},
        Distortion{"everything_at_11025_hz_fast", 11025, 8, 2, 1.15, 4000, true, -0.2f, true, true},
        Distortion{"everything_at_96000_hz_slow", 96000, 8, 2, 0.85, 4000, true, 0.2f, true, true}),
    testing_support::printed_name);

// Where the samples of data byte `k` start on the writer's tape: a "0" bit
// is 15 + 15 samples with its sync, a "1" 30 + 15, and each marker ends in
// 60 + 30 + 15 after its pilot.
std::size_t data_byte(std::size_t k) {
    const auto samples = [](const Bytes& bytes) {
        std::size_t n = 0;
        for (const std::uint8_t b : bytes)
            for (int bit = 0; bit < 8; ++bit) n += ((b >> bit) & 1 ? 30 : 15) + 15;
        return n;
    };
    const tape::Header h = round_trip_header();
    Bytes head{std::uint8_t(h.address), std::uint8_t(h.address >> 8), std::uint8_t(h.length),
               std::uint8_t(h.length >> 8)};
    head.insert(head.end(), h.name.begin(), h.name.end());
    const Bytes data = every_byte_value();
    return (tape::leader_pilot + 2 * tape::block_pilot) * 15 + 3 * (60 + 30 + 15) + samples(head) +
           samples(Bytes(data.begin(), data.begin() + long(k)));
}

// What a tape that does not read says: the WAV reading's words when the
// file is not a sound it takes, else the tape reading's, else the file's.
TEST(TapeRefusal, SaysWhatFailed) {
    const Bytes data = every_byte_value();
    const Signal tape = written(round_trip_header(), data, tape::checksum(data));
    const auto cut_at = [&tape](std::size_t samples) {
        return wav_file(Signal(tape.begin(), tape.begin() + long(samples) + 40), 44100, 16, 1);
    };
    Signal broken_off = tape, noise(44100 * 3);
    broken_off.insert(broken_off.begin() + long(data_byte(0)) - 200, 2000, 0.5f);
    std::mt19937 random(7);
    std::normal_distribution<float> normal(0, 0.3f);
    for (float& x : noise) x = normal(random);
    Bytes four_channels = wav_file(Signal(10), 44100, 16, 1), compressed = four_channels;
    four_channels[22] = 4;
    four_channels[32] = 8;
    compressed[20] = 2;
    const std::pair<Bytes, const char*> cases[] = {
        {wav_file(written(round_trip_header(), data, 0x1234), 44100, 16, 1),
         "\"ROUND TRIP\", load address 001000 (0x0200), 520 bytes, checksum wrong (the tape says "
         "0x1234, the data add up to 0x06F9)"},
        {cut_at(3000 * 15), "the tape ends in a pilot tone, before any file header"},
        {cut_at(data_byte(0) - 5000), "the tape ends in a file header, after 2 bytes of 20"},
        {cut_at(data_byte(100)),
         "the tape ends in the data of \"ROUND TRIP\", after 100 bytes of 520"},
        {cut_at(data_byte(520)),
         "the tape ends in the checksum of \"ROUND TRIP\", after all 520 bytes of data"},
        {wav_file(broken_off, 44100, 16, 1),
         "the signal breaks off after the header of \"ROUND TRIP\": its data never came"},
        {wav_file(noise, 44100, 16, 1), "not a BK tape: no steady pilot tone of 2048 cycles"},
        {Bytes(100, 'x'), "not a WAV file: no RIFF WAVE header"},
        {four_channels, "WAV file with 4 channels; only mono and stereo are read"},
        {compressed, "WAV file in a compressed format (2), not PCM"}};
    for (const auto& [file, text] : cases) EXPECT_EQ(tape::take_file(file, 1).error, text);
}

// The monitor's own rules decide: a 1 is a cycle longer than 1.5 pilot
// cycles, and a pilot half may be shorter than the one before by about two
// of the ROM's counting steps at most, else the count of 2048 starts anew.
// The writer's tape is read as half-cycles, its "1" cycles `one_ratio`
// pilot cycles long instead of two, and every 1000th high half of its
// leader `dip_us` shorter than the others.
TEST(TapeRule, DecidesAsTheMonitorDoesAtTheEdges) {
    const Bytes data = every_byte_value();
    const Signal written_tape = written(round_trip_header(), data, tape::checksum(data));
    const tape::Halves halves = tape::halves(wav::read(wav_file(written_tape, 44100, 16, 1)), 0);
    const std::tuple<double, float, const char*> rules[] = {
        {1.55, 0, "BK tape, 1 file, same bytes"},
        {1.45, 0, "BK tape, 1 file, other bytes"},
        {2, 35, "BK tape, 1 file, same bytes"},
        {2, 45, "not a BK tape: no steady pilot tone of 2048 cycles"}};
    for (const auto& [one_ratio, dip_us, expected] : rules) {
        tape::Halves changed = halves;
        for (float& half : changed.lengths_us)
            if (half > 250 && half < 500) half *= float(one_ratio / 2);
        for (std::size_t k = 1000; k < tape::leader_pilot; k += 1000)
            changed.lengths_us[2 * k + !changed.first_high] -= dip_us;
        const tape::Reading reading = tape::read(changed);
        std::string outcome = tape::describe(reading);
        if (!reading.files.empty())
            outcome += reading.files[0].data == data ? ", same bytes" : ", other bytes";
        EXPECT_EQ(outcome, expected) << "ones of " << one_ratio << ", dips of " << dip_us;
    }
}

}  // namespace
