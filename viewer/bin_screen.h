#pragma once
// Opening a BK screen saved for an emulator (.bin, formats/bin_file.h) in
// the main window. A .bin file is known by its extension, in any letter
// case, and must be a whole screen at the screen's address; its 16384 bytes
// then go into the file buffer and are drawn as a .pic file of the same
// bytes would be in the current mode.
// NOTE: color64x64 refuses a .bin file. A screen is not a sprite, and the
// mode would show only its first 1024 bytes, the top 16 lines of the
// screen cut into 64-pixel rows; the mode refuses a whole-screen .pic file
// too ("File too large!").
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/failure_message.h"
#include "viewer/bk_file.h"
#include "viewer/window_mode.h"

namespace viewer {

// Whether a path names a .bin file.
bool is_bin_name(const std::string& path);

struct BinScreen {
    std::span<const std::uint8_t> screen;  // the screen's bytes, when accepted
    std::string refusal;                   // why not, a sentence; empty when accepted
};

// Checks a .bin file image for the mode. `screen` points into `file`.
// `length` is the file's whole length, when `file` holds only its first bytes.
BinScreen accept_bin_screen(std::span<const std::uint8_t> file, WindowMode mode,
                            std::uint64_t length = 0);

// Open's reading of a .bin file image: accept_bin_screen, and the screen
// into the buffer; a refusal leaves the buffer as it was.
BkFileRead take_bin_screen(std::span<const std::uint8_t> file, WindowMode mode,
                           std::uint64_t length, FileBuffer& buffer);

// What Open reads: a .bin file through accept_bin_screen, a .wav tape's
// screen (tape_screen.h), any other file as a .pic or .bbd file within the
// mode's size limit (read_bk_file).
BkFileRead read_for_open(const std::string& path, WindowMode mode, FileBuffer& buffer);

// What Open shows for a file it did not take: why it could not be read,
// titled "ORVAK: Open"; "File too large!" titled "ORVAK"; why it was
// refused, titled "ORVAK: Open". Nothing for a file read.
std::optional<platform::FailureMessage> open_failure(const BkFileRead& read);

}  // namespace viewer
