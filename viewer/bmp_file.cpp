#include "viewer/bmp_file.h"

namespace viewer {
namespace {

constexpr std::uint32_t headers_size = 14 + 40;
constexpr std::uint32_t pixels_per_metre = 3780;

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> encode_bmp(const platform::PixelSurface& picture) {
    const int width = picture.pixel_width() > 0 ? picture.pixel_width() : 0;
    const int height = picture.pixel_height() > 0 ? picture.pixel_height() : 0;
    const std::uint32_t row_size = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t data_size = row_size * static_cast<std::uint32_t>(height);

    std::vector<std::uint8_t> out;
    out.reserve(headers_size + data_size);
    out.push_back('B');
    out.push_back('M');
    put(out, headers_size + data_size, 4);
    put(out, 0, 4);
    put(out, headers_size, 4);
    put(out, 40, 4);
    put(out, static_cast<std::uint32_t>(width), 4);
    put(out, static_cast<std::uint32_t>(height), 4);
    put(out, 1, 2);
    put(out, 24, 2);
    put(out, 0, 4);
    put(out, data_size, 4);
    put(out, pixels_per_metre, 4);
    put(out, pixels_per_metre, 4);
    put(out, 0, 4);
    put(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const auto colour = static_cast<std::uint32_t>(picture.pixel(x, y));
            out.push_back(static_cast<std::uint8_t>(colour >> 16));  // blue
            out.push_back(static_cast<std::uint8_t>(colour >> 8));   // green
            out.push_back(static_cast<std::uint8_t>(colour));        // red
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < row_size; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

}  // namespace viewer
