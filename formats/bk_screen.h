#pragma once
// BK screen images: raw copies of BK-0010 video memory, no header, no trailer.
//
//   kind             pixels     bits/pixel  bytes/row  rows  file size
//   monochrome .pic  512 x 256  1           64         256   16384
//   colour .pic      256 x 256  2           64         256   16384
//   sprite .bbd      64 x 64    2           16         64    1024
//
// Rows run top to bottom with no gap; bytes within a row run left to right.
// Within a byte the leftmost pixel sits in the least significant bits:
//   monochrome: pixel k (k = 0..7) is (byte >> k) & 1; 1 is white, 0 black.
//   colour:     pixel k (k = 0..3) is (byte >> 2k) & 3, a BK colour index.
// NOTE: both .pic kinds have the same size and nothing inside tells them
// apart; the reader decides by the mode it opens the file in.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace bk {

// BK colour indices of the four-colour modes.
enum ColourIndex : std::uint8_t { black = 0, blue = 1, green = 2, red = 3 };

struct ScreenLayout {
    int width;
    int height;
    int bits_per_pixel;
    std::string_view extension;

    constexpr int pixels_per_byte() const { return 8 / bits_per_pixel; }
    constexpr int bytes_per_row() const { return width / pixels_per_byte(); }
    constexpr int file_size() const { return bytes_per_row() * height; }
};

inline constexpr ScreenLayout mono_pic{512, 256, 1, ".pic"};
inline constexpr ScreenLayout colour_pic{256, 256, 2, ".pic"};
inline constexpr ScreenLayout bbd_sprite{64, 64, 2, ".bbd"};

// The colour in which the converter draws a BK colour index, as a packed
// value red + 256 * green + 65536 * blue.
std::int32_t drawn_colour(ColourIndex index);

// Packs pixel values into bytes in file order, the leftmost pixel of each
// byte in the least significant bits. A byte is emitted as soon as its last
// pixel arrives. start_row() clears the accumulator, not the weight: rows
// whose width is a whole number of bytes (every BK layout) pack the same
// either way.
class PixelPacker {
  public:
    explicit PixelPacker(int bits_per_pixel, std::vector<std::uint8_t>& out);
    void start_row() { accumulator_ = 0; }
    void push(unsigned value);

  private:
    int bits_per_pixel_;
    unsigned last_weight_;
    unsigned weight_ = 1;
    unsigned accumulator_ = 0;
    std::vector<std::uint8_t>& out_;
};

// Packs whole rows of `width` pixel values, row after row.
std::vector<std::uint8_t> pack_pixels(std::span<const std::uint8_t> values, int width,
                                      int bits_per_pixel);

// The value of pixel k (0 = leftmost) of one byte.
constexpr unsigned pixel_of_byte(std::uint8_t byte, int k, int bits_per_pixel) {
    return (byte >> (k * bits_per_pixel)) & ((1u << bits_per_pixel) - 1);
}

// Unpacks bytes in file order into one value per pixel (width * height
// values). Bytes beyond the layout's size are ignored; a short input leaves
// the pixels it does not reach at 0.
std::vector<std::uint8_t> unpack_pixels(std::span<const std::uint8_t> bytes,
                                        const ScreenLayout& layout);

}  // namespace bk
