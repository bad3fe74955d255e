#pragma once
// WAV sound files (RIFF WAVE) holding integer or float PCM, as sound cards
// record them and as BK tapes are kept on a PC.
//
//   offset  size  field
//   0       4     "RIFF"
//   4       4     size of the rest, little-endian (not relied on)
//   8       4     "WAVE"
//   12      ...   chunks: a 4-byte id, a 4-byte little-endian size, the
//                 body, and one pad byte when the size is odd
//
//   "fmt " chunk (at least 16 bytes, before "data"):
//   0       2     format: 1 integer PCM, 3 float, 0xFFFE extensible (its
//                 sub-format, at body offset 24, then gives 1 or 3)
//   2       2     channels: 1 or 2 (stereo frames are left, right)
//   4       4     frames a second: 8000..192000
//   8       4     bytes a second (not relied on)
//   12      2     bytes a frame: channels * bytes a sample
//   14      2     bits a sample: 8 (unsigned, 128 is silence), 16, 24 or 32
//                 (signed, little-endian); 32 for float
//
//   "data" chunk: the frames, one after another. Other chunks are skipped.
//
// The writer makes the plainest kind: 16-bit integer PCM, mono.
// NOTE: a "data" chunk whose size runs past the end of the file (a cut or
// still-growing recording) is read as far as the file goes, in whole frames.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace bk::wav {

inline constexpr int min_rate = 8000;
inline constexpr int max_rate = 192000;

struct Format {
    int channels = 0;
    int rate = 0;  // frames a second
    int bits = 0;  // bits a sample
    bool floating = false;

    int frame_size() const { return channels * (bits / 8); }
};

enum class ReadStatus {
    ok,
    not_riff,        // no "RIFF" ... "WAVE" at the start
    no_format,       // no "fmt " chunk before "data", or one shorter than 16 bytes
    not_pcm,         // a compressed format
    bad_channels,    // not mono or stereo
    bad_bits,        // a sample size this reader does not take
    bad_rate,        // outside min_rate..max_rate
    bad_frame_size,  // bytes a frame do not match channels and bits
    no_data,         // no "data" chunk after "fmt "
};

struct Reading {
    ReadStatus status = ReadStatus::not_riff;
    Format format;                         // as read, once "fmt " was found
    int format_tag = 0;                    // the format number, for not_pcm
    std::span<const std::uint8_t> frames;  // whole frames of "data", when ok

    std::size_t frame_count() const {
        return format.frame_size() ? frames.size() / format.frame_size() : 0;
    }
};

// Checks the RIFF layout and the format; `frames` points into `file`.
Reading read(std::span<const std::uint8_t> file);

// A short English phrase for a reading: the format when ok, else what is wrong.
std::string describe(const Reading& reading);

// Channel `channel` of frames [first, first + out.size()) as values in
// -1..1; the frames must be within the reading.
void samples(const Reading& reading, int channel, std::size_t first, std::span<float> out);

// A whole WAV file of 16-bit mono samples at `rate` frames a second.
std::vector<std::uint8_t> file_bytes(std::span<const std::int16_t> samples, int rate);

}  // namespace bk::wav
