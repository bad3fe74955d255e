#pragma once
// Whether a JPG, GIF or BMP file holds its whole picture. Decoders of these
// formats fill a picture cut short with made-up pixels and report success;
// these checks tell such files from whole ones by their structure.
#include <cstdint>
#include <span>

namespace platform {

// The last scan (SOS, FF DA) is followed by the end-of-image marker FF D9.
// Markers cannot occur inside entropy-coded data (FF is stuffed as FF 00).
bool jpeg_is_complete(std::span<const std::uint8_t> file);

// The block chain after the header and colour table reaches the trailer 3B.
bool gif_is_complete(std::span<const std::uint8_t> file);

// The file is long enough for the pixel data its headers declare.
bool bmp_is_complete(std::span<const std::uint8_t> file);

}  // namespace platform
