#pragma once
// BK-0011M screen files (.11M): a picture area of any size behind an 8-byte
// header.
//
//   offset  size                     field
//   0       4                        signature "11M " (0x31 0x31 0x4D 0x20)
//   4       2                        line width in bytes, signed, little-endian
//   6       2                        line count, signed, little-endian
//   8       line width * line count  picture data, top line first, no gaps
//
// The picture data packs pixels as the BK screen images do (bk_screen.h):
// monochrome 8 pixels per byte, four-colour 4 pixels per byte, the leftmost
// pixel in the least significant bits. Every line starts on a byte boundary.
// Nothing in the file says which of the two packings it holds; the reader
// decides by its own Mono setting.
//
// Limits: the picture data holds at most 49144 bytes, so a whole file is at
// most 49152 bytes. The reader keeps up to 49145 data bytes.
// NOTE: the reader checks the signature before the length, so a long file
// with a wrong signature is reported as "not 11M", not as "too large".
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace bk::m11 {

inline constexpr std::array<std::uint8_t, 4> signature{0x31, 0x31, 0x4D, 0x20};
inline constexpr int header_size = 8;
inline constexpr int data_budget = 49144;                     // largest picture data written
inline constexpr int file_limit = header_size + data_budget;  // largest file accepted
inline constexpr int buffer_size = 49145;                     // data bytes the reader keeps
// A wider line would make the monochrome pixel width overflow 16 bits.
inline constexpr int max_line_width = 4095;
// The header's numbers are signed 16-bit values.
inline constexpr int max_line_count = 32767;
inline constexpr std::string_view extension = ".11M";

struct Header {
    int line_width = 0;  // bytes per line
    int line_count = 0;  // lines

    int data_size() const { return line_width * line_count; }
    bool operator==(const Header&) const = default;
};

// The 8 header bytes for an area of `header`; the numbers are stored as
// signed 16-bit values.
std::array<std::uint8_t, header_size> header_bytes(Header header);

// Header and data as one file image.
std::vector<std::uint8_t> file_bytes(Header header, std::span<const std::uint8_t> data);

// numerator / denominator to the nearest integer, a half to the even
// neighbour; denominator > 0.
constexpr long long divide_half_even(long long numerator, long long denominator) {
    long long quotient = numerator / denominator;
    long long rest = numerator % denominator;
    if (rest < 0) {
        rest += denominator;
        --quotient;
    }
    if (2 * rest > denominator || (2 * rest == denominator && quotient % 2 != 0)) ++quotient;
    return quotient;
}

// The line width for an area `area_width` pixels wide at `pixels_per_byte`
// (8 monochrome, 4 four-colour), rounded to the nearest integer with a half
// going to the even neighbour.
int line_width_for(int area_width, int pixels_per_byte);

enum class ReadStatus {
    ok,
    not_11m,     // the first four bytes are not the signature
    too_large,   // longer than file_limit
    bad_header,  // line numbers missing, not positive, or larger than the buffer
};

struct Reading {
    ReadStatus status = ReadStatus::not_11m;
    Header header;
    // The picture data from offset 8 to the end of the file, at most
    // buffer_size bytes; it may be shorter than the header declares.
    std::span<const std::uint8_t> data;
};

// Checks a whole file image in order: signature, length, header numbers.
// `data` of the result points into `file`.
Reading read(std::span<const std::uint8_t> file);

// Whether a header describes an area the reader can hold: both numbers
// positive, the line width at most max_line_width, the data within the buffer.
bool header_fits(Header header);

// A short English phrase for a read status.
std::string_view describe(ReadStatus status);

}  // namespace bk::m11
