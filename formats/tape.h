#pragma once
// BK-0010 cassette tapes, as the machine's monitor ROM writes and reads them
// (EMT 36), kept as sound.
//
// Signal: every bit is one whole cycle of a square wave, the high half first.
// The writer's cycles, in samples at 44100 Hz (the ROM's own are about 352,
// 364, 725 and 1440 microseconds; only their ratios matter):
//
//   cycle               high  low
//   pilot               8     7
//   "0"                 8     7
//   "1"                 16    14
//   long marker pulse   32    28
//
// Marker(N): N pilot cycles, the long pulse, a "1", then a sync "0".
// Byte: 8 bits, least significant first; every bit is followed by a sync "0".
// A file, in order:
//   1. marker(4096), the leader;
//   2. marker(8), then the 20-byte header: load address (word), length in
//      bytes (word), name (16 bytes, padded with spaces); words low byte first;
//   3. marker(8), then the `length` data bytes;
//   4. the checksum (word, low byte first), with no marker before it: the
//      16-bit sum of the data bytes with end-around carry (a carry out of bit
//      15 is added back in at bit 0);
//   5. marker(256), the trailer, whose first pilot cycle is about eleven
//      times as long as the others.
//
// The reader reads as the monitor does, on the times between the signal's
// crossings of its midline (found between samples, so that 11025 Hz, under
// four samples a pilot cycle, still reads):
//   - the pilot: 2048 high halves in a row, none shorter than the one before
//     by more than pilot_step_tolerance_us; a shorter one starts the count
//     anew. The ROM counts a half in steps of about 1/22 of a pilot cycle
//     (16 microseconds) and allows a drop of 2 steps; counted in whole
//     steps, a drop of 2.5 steps (40 microseconds) passes half the time;
//   - the threshold: 1.5 times the average of the next 128 whole cycles;
//   - the leader's marker: a high half longer than the threshold, or a low
//     half at least as long, which means the signal is inverted: from then on
//     the low half is read as the first of each cycle;
//   - each block: a first half at least as long as the threshold is its
//     marker; the "1" after it is skipped; then for each bit the sync cycle
//     is skipped and the next whole cycle is a 1 when longer than the
//     threshold;
//   - a marker half over twice the threshold is no marker: the monitor goes
//     back to looking for a pilot, and so does the reader.
// So whatever the monitor accepts, steadiness of the pilot included, the
// reader accepts, at any steady speed and at either polarity. After a file
// it looks for the next one, and lists every file on the tape.
// NOTE: the monitor loads a file by name, and reports a wrong checksum after
// the bytes are in memory; the reader takes every file and reports each
// checksum, right or wrong.
// NOTE: the monitor writes nothing for a length of 0; the writer does the
// same, and the reader reads such a header as a file without data.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/tape_signal.h"
#include "formats/wav_file.h"

namespace bk::tape {

inline constexpr int write_rate = 44100;
inline constexpr int name_size = 16;
inline constexpr int header_size = 4 + name_size;
inline constexpr int leader_pilot = 4096;
inline constexpr int block_pilot = 8;
inline constexpr int trailer_pilot = 256;
inline constexpr int pilot_run = 2048;       // high halves the monitor wants in a row
inline constexpr int averaged_cycles = 128;  // cycles it averages into the threshold
inline constexpr float pilot_step_tolerance_us = 40.0f;
inline constexpr std::int16_t amplitude = 24576;  // 3/4 of full scale: room for a player's filters

using Name = std::array<std::uint8_t, name_size>;

struct Header {
    int address = 0;  // 0..65535
    int length = 0;   // 0..65535
    Name name{};
    bool operator==(const Header&) const = default;
};

struct File {
    Header header;
    std::vector<std::uint8_t> data;  // header.length bytes
    int checksum = 0;                // as read from the tape

    bool checksum_right() const;
};

// One line: the name as name_text gives it, in quotes, the load address,
// the length and whether the checksum is right.
std::string describe(const File& file);

// The 16-bit sum with end-around carry of `data`.
int checksum(std::span<const std::uint8_t> data);

// A tape name from any text: bytes 0x20..0x7E kept, every other character
// (a UTF-8 sequence counts as one) replaced by '_', cut to 16 bytes and
// padded with spaces.
Name name_from(std::string_view text);

// The tape name of a file written at `path`: the name after its last slash,
// without its extension (from its last dot, unless that is its first
// character), by name_from. The converter's Export_wav and bkpic both name
// their tapes so.
Name name_for_file(std::string_view path);

// The name as a user types it at the monitor's prompt: without the padding,
// any byte outside 0x20..0x7E as \ooo.
std::string name_text(const Name& name);

// The samples of one file at write_rate, with `checksum` as its checksum
// (the sum of the data bytes, unless a test wants it wrong).
std::vector<std::int16_t> write_samples(const Header& header, std::span<const std::uint8_t> data,
                                        int checksum);

// A whole WAV file (16-bit mono at write_rate) of one file. Its length must
// be data.size(), 1..65535.
std::vector<std::uint8_t> wav_bytes(const Header& header, std::span<const std::uint8_t> data);

enum class ReadStatus {
    ok,
    no_pilot,       // nothing on it reads as a tape
    cut_in_leader,  // a pilot tone, then no file header
    cut_in_header,
    cut_in_data,  // the header came, the data stopped short
    lost_data,    // a broken marker after the header: the data never came
    cut_in_checksum,
};

struct Reading {
    ReadStatus status = ReadStatus::no_pilot;
    std::vector<File> files;  // the whole files, in tape order
    // When not ok: the header of the file that broke off (when it was read),
    // and how many bytes of its header, data or checksum came.
    std::optional<Header> broken;
    std::size_t bytes_read = 0;
};

// Reads every file of a sound whose WAV reading is ok; stereo reads the
// louder channel.
Reading read(const wav::Reading& sound);

// The same from the half-cycles found in a recording.
Reading read(const Halves& halves);

// What was read: "N files" when ok, else what stopped the reading and where.
std::string describe(const Reading& reading);

// The most bytes of a .wav file that are read: a tape of a 64 KB file at
// 96 kHz in 24-bit stereo.
inline constexpr std::size_t wav_read_limit = std::size_t(512) << 20;

// File `number` (from 1) of the tape in a WAV file's bytes, when the tape
// reads whole and that file's checksum is right. Otherwise `error` says what
// failed, in the words of the describe() that found it: the WAV reader's,
// the tape reader's, or the file's own with its checksum wrong.
struct TakenFile {
    std::optional<File> file;
    std::string error;
};
TakenFile take_file(std::span<const std::uint8_t> wav_file, int number);

}  // namespace bk::tape
