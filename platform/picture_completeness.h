#pragma once
// Whether a JPG, GIF or BMP file holds its whole picture. Decoders of these
// formats fill a picture cut short with made-up pixels and report success;
// these checks tell such files from whole ones by their structure, and by
// data far too short for the size that the file declares.
#include <cstdint>
#include <span>

namespace platform {

// The marker segments from the start-of-image marker FF D8 on, each scan
// with its entropy-coded data, reach the end-of-image marker FF D9 after at
// least one scan. Bytes after that marker (data that cameras append, even
// another JPEG) are not the picture's and do not matter. The scans of a
// Huffman-coded frame hold at least one bit for each 8 x 8 block of its
// size, the least any whole picture needs.
bool jpeg_is_complete(std::span<const std::uint8_t> file);

// The block chain after the header and colour table reaches the trailer 3B,
// or ends exactly at the end of the file after an image's data terminator
// (a file that lacks only its trailer). The first image's data holds at
// least one bit for each 4096 / 12 of its pixels, the most that LZW codes
// can stand for.
bool gif_is_complete(std::span<const std::uint8_t> file);

// The file is long enough for the pixel data its headers declare.
bool bmp_is_complete(std::span<const std::uint8_t> file);

}  // namespace platform
