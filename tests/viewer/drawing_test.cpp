// The decoders and the two drawing helpers on a picture window in memory.
#include "viewer/drawing.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/walks.h"
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
ColourMaps odd_maps() {
    ColourMaps maps;
    maps.colour = {packed_rgb(10, 20, 30), packed_rgb(200, 100, 0), packed_rgb(7, 7, 7),
                   packed_rgb(255, 255, 0)};
    maps.mono = {packed_rgb(128, 0, 128), packed_rgb(0, 128, 128)};
    return maps;
}

TEST(DrawPoint, OnlyTheFourColourIndicesPaint) {
    const ColourMaps maps = odd_maps();
    platform::MemorySurface surface(256, 1, untouched);
    BkPainter painter(surface, maps);
    for (int value = 0; value < 256; ++value) painter.drawpoint(value, 0, std::uint8_t(value));
    for (int x = 0; x < 256; ++x) {
        EXPECT_EQ(surface.pixel(x, 0), x < 4 ? maps.colour[x] : untouched) << x;
    }
}

TEST(DrawPoint, MonoPaintsBitZeroForZeroAndBitOneForAnythingElse) {
    const ColourMaps maps = odd_maps();
    platform::MemorySurface surface(256, 1, untouched);
    BkPainter painter(surface, maps);
    for (int value = 0; value < 256; ++value) painter.drawpointbw(value, 0, std::uint8_t(value));
    for (int x = 0; x < 256; ++x) EXPECT_EQ(surface.pixel(x, 0), maps.mono[x == 0 ? 0 : 1]) << x;
}

TEST(Decoders, LowestBitsAreTheLeftmostPixel) {
    const ColourMaps maps = odd_maps();
    const Bytes bytes{0xE4, 0x01};
    platform::MemorySurface colour(8, 1, untouched);
    BkPainter colour_painter(colour, maps);
    viewer::drawcolorpic(colour_painter, bytes);
    const auto& c = maps.colour;
    const std::int32_t expected_colour[] = {c[0], c[1], c[2], c[3], c[1], c[0], c[0], c[0]};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(colour.pixel(x, 0), expected_colour[x]) << x;

    platform::MemorySurface mono(8, 1, untouched);
    BkPainter mono_painter(mono, maps);
    viewer::drawmonopic(mono_painter, Bytes{0x01});
    for (int x = 0; x < 8; ++x) EXPECT_EQ(mono.pixel(x, 0), maps.mono[x == 0 ? 1 : 0]) << x;
}

// A whole screen converted by the converter's own walk, then decoded: the
// viewer shows every pixel in the map's colour for the value packed there.
struct RoundTrip {
    bk::ScreenLayout layout;
    Decoder decoder;
};

const char* decoder_name(Decoder decoder) {
    switch (decoder) {
        case Decoder::bbd:
            return "bbd";
        case Decoder::colour_pic:
            return "colour_pic";
        case Decoder::mono_pic:
            break;
    }
    return "mono_pic";
}

void PrintTo(const RoundTrip& c, std::ostream* os) {
    *os << decoder_name(c.decoder);
}

class ConvertedScreens : public testing::TestWithParam<RoundTrip> {};

platform::MemorySurface random_picture(int width, int height) {
    std::mt19937 random(width * 7 + height);
    platform::MemorySurface surface(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) surface.set_pixel(x, y, std::int32_t(random() & 0xFFFFFF));
    }
    return surface;
}

TEST_P(ConvertedScreens, DecodeToTheValuesThatWerePacked) {
    const auto [layout, decoder] = GetParam();
    platform::MemorySurface converted = random_picture(layout.width, layout.height);
    const Bytes bytes = layout.bits_per_pixel == 1
                            ? converter::walk_mono(converted, 128)
                            : converter::walk_colour(converted, {}, converter::SwapFlags{});
    ASSERT_EQ(int(bytes.size()), layout.file_size());

    // Through the initial maps the viewer shows what the converter drew.
    platform::MemorySurface shown(layout.width, layout.height, untouched);
    const ColourMaps initial;
    BkPainter initial_painter(shown, initial);
    viewer::draw(decoder, initial_painter, bytes);
    int differing = 0;
    for (int y = 0; y < layout.height; ++y) {
        for (int x = 0; x < layout.width; ++x)
            differing += shown.pixel(x, y) != converted.pixel(x, y);
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(shown.refreshes(), layout.height);

    // Through other maps each pixel takes its value's new colour.
    const ColourMaps maps = odd_maps();
    BkPainter painter(shown, maps);
    viewer::draw(decoder, painter, bytes);
    const Bytes values = bk::unpack_pixels(bytes, layout);
    differing = 0;
    for (int y = 0; y < layout.height; ++y) {
        for (int x = 0; x < layout.width; ++x) {
            const std::uint8_t value = values[std::size_t(y) * layout.width + x];
            const std::int32_t expected =
                layout.bits_per_pixel == 1 ? maps.mono[value] : maps.colour[value];
            differing += shown.pixel(x, y) != expected;
        }
    }
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, ConvertedScreens,
                         testing::Values(RoundTrip{bk::colour_pic, Decoder::colour_pic},
                                         RoundTrip{bk::mono_pic, Decoder::mono_pic},
                                         RoundTrip{bk::bbd_sprite, Decoder::bbd}),
                         testing_support::printed_name);

// How much of a surface each decoder covers, and how many bytes it takes.
struct Coverage {
    Decoder decoder;
    int surface_width, surface_height;
    int covered_width, covered_height;
    int bytes_per_row;
};

void PrintTo(const Coverage& c, std::ostream* os) {
    *os << decoder_name(c.decoder) << " on " << c.surface_width << "x" << c.surface_height;
}

class DecoderCoverage : public testing::TestWithParam<Coverage> {};

TEST_P(DecoderCoverage, PaintsItsAreaFromItsRowsOfBytes) {
    const Coverage c = GetParam();
    // Byte i holds i % 251 + 1, so every row starts with a different byte
    // and no byte is 0 (no pixel of index 0 in its first position).
    Bytes bytes(16385);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i % 251 + 1);
    platform::MemorySurface surface(c.surface_width, c.surface_height, untouched);
    const ColourMaps maps = odd_maps();
    BkPainter painter(surface, maps);
    viewer::draw(c.decoder, painter, bytes);
    EXPECT_EQ(surface.refreshes(), c.covered_height);
    const int bits = c.decoder == Decoder::mono_pic ? 1 : 2;
    const int per_byte = 8 / bits;
    for (int y = 0; y < c.surface_height; ++y) {
        for (int x = 0; x < c.surface_width; ++x) {
            std::int32_t expected = untouched;
            if (x < c.covered_width && y < c.covered_height) {
                const std::uint8_t byte = bytes[std::size_t(y) * c.bytes_per_row + x / per_byte];
                const unsigned value = bk::pixel_of_byte(byte, x % per_byte, bits);
                expected = bits == 1 ? maps.mono[value] : maps.colour[value];
            }
            ASSERT_EQ(surface.pixel(x, y), expected) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Areas, DecoderCoverage,
    testing::Values(Coverage{Decoder::bbd, 64, 64, 64, 64, 16},
                    Coverage{Decoder::bbd, 256, 256, 64, 64, 16},  // a sprite in the corner
                    Coverage{Decoder::bbd, 512, 256, 64, 64, 16},
                    Coverage{Decoder::bbd, 64, 2, 64, 2, 16},  // walks only the rows there are
                    Coverage{Decoder::colour_pic, 64, 64, 64, 64, 16},  // first 1024 bytes
                    Coverage{Decoder::colour_pic, 256, 256, 256, 256, 64},
                    Coverage{Decoder::colour_pic, 6, 3, 4, 3, 1},  // a part byte is not drawn
                    Coverage{Decoder::mono_pic, 512, 256, 512, 256, 64},
                    Coverage{Decoder::mono_pic, 20, 2, 16, 2, 2}),
    testing_support::printed_name);

TEST(Decoders, StopWhereTheBytesRunOut) {
    platform::MemorySurface surface(256, 256, untouched);
    const ColourMaps maps;
    BkPainter painter(surface, maps);
    viewer::drawcolorpic(painter, Bytes(100, 0xFF));  // one row and 36 bytes of the next
    EXPECT_EQ(surface.pixel(255, 0), maps.colour[3]);
    EXPECT_EQ(surface.pixel(143, 1), maps.colour[3]);
    EXPECT_EQ(surface.pixel(144, 1), untouched);
    EXPECT_EQ(surface.pixel(0, 2), untouched);
    EXPECT_EQ(surface.refreshes(), 2);
}

}  // namespace
