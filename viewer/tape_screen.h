#pragma once
// Opening a BK-0010 tape kept as sound (.wav, formats/tape.h) in the main
// window, as a screen. A tape is known by its extension, in any letter case.
// Its first file is taken as a .bin of the file's load address, length and
// bytes (bin_screen.h): only a whole screen at the screen's address is
// drawn, as a .pic of the same bytes in the current mode; color64x64
// refuses a tape, as it refuses a .bin.
// A WAV file that holds no tape, a tape cut short, a wrong checksum or a file
// that is no screen is refused in the words of the reader that found it, and
// leaves the file buffer as it was.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "viewer/bk_file.h"
#include "viewer/window_mode.h"

namespace viewer {

// Whether a path names a .wav tape.
bool is_tape_name(const std::string& path);

struct TapeBin {
    std::vector<std::uint8_t> bin;  // the file as a .bin: address, length, bytes
    std::string error;              // why not, in the reader's words; empty when read
};

// File `number` (from 1) of the tape in `wav_file`, as bkpic's render and
// Open take it: when the tape reads whole and the file's checksum is right.
TapeBin bin_on_tape(std::span<const std::uint8_t> wav_file, int number);

// What Open reads from a .wav file: the screen of the tape's first file.
BkFileRead read_tape_screen(const std::string& path, WindowMode mode, FileBuffer& buffer);

}  // namespace viewer
