// The WAV reader and the tape reader behind it: any bytes as a .wav file,
// read as a sound and then as a BK tape. Whatever is read holds together:
// the sound's frames lie whole inside the file, every file read has as
// many bytes as its header says, and every status has words.
// NOTE: only the first 1024 bytes are read, so that a run does well over
// 10,000 inputs a second; that is too short for a pilot tone, so this
// reaches the RIFF parsing, the crossings and the start of the pilot search;
// tests/tape_test.cpp covers the rest of the tape's reading.
#include <algorithm>

#include "formats/tape.h"
#include "fuzz/fuzz_support.h"

namespace {

namespace tape = bk::tape;
namespace wav = bk::wav;

constexpr std::size_t max_bytes = 1024;

void check_reading(const tape::Reading& reading) {
    fuzz::check(!tape::describe(reading).empty(), "tape status without words");
    for (const tape::File& file : reading.files) {
        fuzz::check(file.data.size() == std::size_t(file.header.length),
                    "data not as long as the header says");
        fuzz::check(!tape::describe(file).empty(), "file without words");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, std::min(size, max_bytes));
    const wav::Reading sound = wav::read(file);
    fuzz::check(!wav::describe(sound).empty(), "WAV status without words");
    if (sound.status != wav::ReadStatus::ok) return 0;
    fuzz::check(sound.frames.data() >= file.data() &&
                    sound.frames.data() + sound.frames.size() <= file.data() + file.size(),
                "frames outside the file");
    fuzz::check(sound.frames.size() % std::size_t(sound.format.frame_size()) == 0,
                "a part of a frame");
    check_reading(tape::read(sound));
    return 0;
}
