#pragma once
// bkpic convert --bin and --bin-only: a monochrome or colour screen written
// also, or only, as a .bin file that BK emulators load straight into screen
// memory (formats/bin_file.h), named and placed by the same rules as the
// .pic and under the same --force.
#include <cstdint>
#include <span>
#include <string>

#include "bkpic/arguments.h"
#include "bkpic/batch.h"

namespace bkpic {

struct ScreenFiles {
    bool main = true;  // the target's own file (.pic, .bbd, .11M)
    bool bin = false;  // the .bin screen
};

// The files to write, or a usage reason: a .bin holds a whole screen, so
// only the mono and color targets take --bin; -o names one file, so with
// -o only --bin-only goes.
Parsed<ScreenFiles> screen_files(bool bin, bool bin_only, const Target& target,
                                 bool one_output_file);

// Writes the converted file and, when asked, its .bin screen, reporting each
// to the batch. False after the first failure (reported too).
bool write_screen_files(const std::string& input, std::span<const std::uint8_t> converted,
                        const Target& target, ScreenFiles files, const OutputOptions& outputs,
                        Batch& batch);

}  // namespace bkpic
