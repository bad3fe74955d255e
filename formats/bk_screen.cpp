#include "formats/bk_screen.h"

#include <algorithm>

namespace bk {

std::int32_t drawn_colour(ColourIndex index) {
    switch (index) {
        case blue:
            return 255 * 65536;
        case green:
            return 255 * 256;
        case red:
            return 255;
        case black:
            break;
    }
    return 0;
}

PixelPacker::PixelPacker(int bits_per_pixel, std::vector<std::uint8_t>& out)
    : bits_per_pixel_(bits_per_pixel), last_weight_(1u << (8 - bits_per_pixel)), out_(out) {}

void PixelPacker::push(unsigned value) {
    accumulator_ += value * weight_;
    if (weight_ == last_weight_) {
        out_.push_back(static_cast<std::uint8_t>(accumulator_));
        weight_ = 1;
        accumulator_ = 0;
    } else {
        weight_ <<= bits_per_pixel_;
    }
}

std::vector<std::uint8_t> pack_pixels(std::span<const std::uint8_t> values, int width,
                                      int bits_per_pixel) {
    std::vector<std::uint8_t> out;
    out.reserve(values.size() * bits_per_pixel / 8);
    PixelPacker packer(bits_per_pixel, out);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (width > 0 && i % width == 0) packer.start_row();
        packer.push(values[i]);
    }
    return out;
}

std::vector<std::uint8_t> unpack_pixels(std::span<const std::uint8_t> bytes,
                                        const ScreenLayout& layout) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(layout.width) * layout.height, 0);
    const auto used = std::min<std::size_t>(bytes.size(), layout.file_size());
    const int per_byte = layout.pixels_per_byte();
    for (std::size_t i = 0; i < used; ++i) {
        for (int k = 0; k < per_byte; ++k) {
            pixels[i * per_byte + k] =
                static_cast<std::uint8_t>(pixel_of_byte(bytes[i], k, layout.bits_per_pixel));
        }
    }
    return pixels;
}

}  // namespace bk
