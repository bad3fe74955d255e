#pragma once
// bkpic convert --bin, --bin-only, --wav and --wav-only: a monochrome or
// colour screen written also, or only, as a .bin file that BK emulators load
// straight into screen memory (formats/bin_file.h), and as a .wav tape that
// the BK-0010's monitor loads into the screen (bkpic/tape_files.h), named
// and placed by the same rules as the .pic and under the same --force.
#include <cstdint>
#include <span>
#include <string>

#include "bkpic/arguments.h"
#include "bkpic/batch.h"

namespace bkpic {

// The options that ask for a screen's other files.
struct ScreenOptions {
    bool bin = false, bin_only = false;
    bool wav = false, wav_only = false;
};

struct ScreenFiles {
    bool main = true;  // the target's own file (.pic, .bbd, .11M)
    bool bin = false;  // the .bin screen
    bool wav = false;  // the .wav tape

    int count() const { return int(main) + int(bin) + int(wav); }
};

// The files to write, or a usage reason: a .bin or a tape holds a whole
// screen, so only the mono and color targets take them; -o names one file,
// so with -o only one of the -only options goes.
Parsed<ScreenFiles> screen_files(const ScreenOptions& options, const Target& target,
                                 bool one_output_file);

// Writes the converted file and, when asked, its .bin screen and its tape,
// reporting each to the batch. False after the first failure (reported too).
bool write_screen_files(const std::string& input, std::span<const std::uint8_t> converted,
                        const Target& target, ScreenFiles files, const OutputOptions& outputs,
                        Batch& batch);

}  // namespace bkpic
