// The decoders on picture windows in memory of other sizes than the modes'
// (what the windows draw is checked against the converter through them).
#include "viewer/drawing.h"

#include <gtest/gtest.h>

#include "formats/bk_screen.h"
#include "platform/memory_surface.h"
#include "tests/support/param_names.h"

namespace {

using viewer::BkPainter;
using viewer::ColourMaps;
using viewer::Decoder;
using viewer::packed_rgb;
using Bytes = std::vector<std::uint8_t>;

constexpr std::int32_t untouched = packed_rgb(1, 2, 3);

// A map in which no two entries and no entry and `untouched` agree.
const ColourMaps odd_maps{
    {packed_rgb(10, 20, 30), packed_rgb(200, 100, 0), packed_rgb(7, 7, 7), packed_rgb(255, 255, 0)},
    {packed_rgb(128, 0, 128), packed_rgb(0, 128, 128)}};

// How much of a surface each decoder covers from how many bytes.
struct Coverage {
    Decoder decoder;
    int surface_width, surface_height;
    std::size_t length;  // of the bytes
    int covered_width, rows_drawn;
    int bytes_per_row;
};

void PrintTo(const Coverage& c, std::ostream* os) {
    *os << int(c.decoder) << " on " << c.surface_width << "x" << c.surface_height << " from "
        << c.length;
}

class DecoderCoverage : public testing::TestWithParam<Coverage> {};

TEST_P(DecoderCoverage, PaintsItsAreaFromItsRowsOfBytesRefreshingEachRow) {
    const Coverage c = GetParam();
    // Byte i holds i % 251 + 1: every row starts with a different byte, and
    // no byte is 0.
    Bytes bytes(c.length);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i % 251 + 1);
    platform::MemorySurface surface(c.surface_width, c.surface_height, untouched);
    BkPainter painter(surface, odd_maps);
    viewer::draw(c.decoder, painter, bytes);
    EXPECT_EQ(surface.refreshes(), c.rows_drawn);
    const int bits = c.decoder == Decoder::mono_pic ? 1 : 2;
    const int per_byte = 8 / bits;
    for (int y = 0; y < c.surface_height; ++y) {
        for (int x = 0; x < c.surface_width; ++x) {
            const std::size_t at = std::size_t(y) * c.bytes_per_row + x / per_byte;
            std::int32_t expected = untouched;
            if (x < c.covered_width && y < c.rows_drawn && at < bytes.size()) {
                const unsigned value = bk::pixel_of_byte(bytes[at], x % per_byte, bits);
                expected = bits == 1 ? odd_maps.mono[value] : odd_maps.colour[value];
            }
            ASSERT_EQ(surface.pixel(x, y), expected) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Areas, DecoderCoverage,
    testing::Values(Coverage{Decoder::bbd, 256, 256, 16384, 64, 64, 16},  // a sprite in the corner
                    Coverage{Decoder::bbd, 64, 2, 16384, 64, 2, 16},      // only the rows there are
                    Coverage{Decoder::colour_pic, 64, 64, 16384, 64, 64, 16},
                    Coverage{Decoder::colour_pic, 6, 3, 16384, 4, 3, 1},       // no part byte drawn
                    Coverage{Decoder::colour_pic, 256, 256, 100, 256, 2, 64},  // bytes run out
                    Coverage{Decoder::mono_pic, 20, 2, 16384, 16, 2, 2}),
    testing_support::printed_name);

}  // namespace
