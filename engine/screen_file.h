#pragma once
// What a Convert writes, made in one place for the converter's windows and
// bkpic: the area the picture window shows is decided, drawn back and packed
// by the target's rules (walks.h, m11_conversion.h), and the file is formed
// around the packed bytes.
//
//   target      area        file
//   mono        512 x 256   .pic, 16384 bytes, 1 bit a pixel
//   colour      256 x 256   .pic, 16384 bytes, 2 bits a pixel
//   sprite      64 x 64     .bbd, 1024 bytes, 2 bits a pixel
//   m11_mono    adjustable  .11M: 8-byte header, then the lines, 1 bit a pixel
//   m11_colour  adjustable  .11M, 2 bits a pixel; only the swaps among red,
//                           green and blue act
//
// A .bin (formats/bin_file.h) holds a mono or colour screen file behind the
// screen's load header, and a .wav tape (formats/tape.h) holds it as a file
// to load at the screen's address; bin_file() and wav_file() form them from
// the screen file, so that a .bin, a .wav and a .pic of the same settings
// hold the same screen.
#include <cstdint>
#include <span>
#include <vector>

#include "engine/dither.h"
#include "engine/rules.h"
#include "formats/tape.h"
#include "platform/pixel_surface.h"

namespace converter {

enum class Target { mono, colour, sprite, m11_mono, m11_colour };

// The user's steering of a conversion.
struct Conversion {
    int bw_level = 128;
    ColourLevels levels;
    SwapFlags swaps{};
    Dither dither = Dither::none;
};

// Decides every pixel of `surface` (the whole area; for the 11M targets its
// leftmost whole bytes), draws it back and returns the target's whole file.
std::vector<std::uint8_t> convert_to_file(platform::PixelSurface& surface, Target target,
                                          const Conversion& conversion);

// The .bin of a mono or colour screen file.
std::vector<std::uint8_t> bin_file(std::span<const std::uint8_t> screen_file);

// The .wav tape of a mono or colour screen file, under the tape name `name`.
std::vector<std::uint8_t> wav_file(std::span<const std::uint8_t> screen_file,
                                   const bk::tape::Name& name);

}  // namespace converter
