#include "platform/picture_completeness.h"

#include <gtest/gtest.h>

#include "tests/support/param_names.h"
#include "tests/support/temp_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Pictures as they come from cameras, editors and downloads. Every file is
// accepted whole and refused when cut short; `optional_tail` bytes at its end
// are not part of the picture (a camera's trailing data, a GIF trailer), so
// cutting them off leaves the file accepted.
struct Oddity {
    std::string path;
    std::size_t optional_tail;
    std::size_t stride = 1;  // cut lengths tried: every stride-th
};

void PrintTo(const Oddity& odd, std::ostream* out) {
    *out << odd.path.substr(odd.path.rfind('/') + 1);
}

bool is_complete(const std::string& path, std::span<const std::uint8_t> file) {
    const std::string extension = path.substr(path.size() - 3);
    if (extension == "jpg") return platform::jpeg_is_complete(file);
    if (extension == "gif") return platform::gif_is_complete(file);
    return platform::bmp_is_complete(file);
}

class Corpus : public testing::TestWithParam<Oddity> {};

TEST_P(Corpus, AcceptedWholeRefusedCutShort) {
    const Oddity& odd = GetParam();
    const Bytes bytes = testing_support::read_bytes(odd.path);
    ASSERT_GT(bytes.size(), 100u);
    const std::size_t picture_end = bytes.size() - odd.optional_tail;
    for (std::size_t length = 0; length <= bytes.size(); length += odd.stride) {
        const Bytes cut(bytes.begin(), bytes.begin() + length);  // reading past it is caught
        ASSERT_EQ(is_complete(odd.path, cut), length >= picture_end) << "cut to " << length;
    }
    EXPECT_TRUE(is_complete(odd.path, bytes));
}

using testing_support::sample;
using testing_support::test_data;

INSTANTIATE_TEST_SUITE_P(Pictures, Corpus,
                         testing::Values(Oddity{sample("gradient.jpg"), 0, 13},
                                         Oddity{sample("quadrants.gif"), 1},
                                         Oddity{sample("testcard.bmp"), 0, 997},
                                         Oddity{test_data("pictures/restart.jpg"), 0},
                                         Oddity{test_data("pictures/progressive.jpg"), 0},
                                         Oddity{test_data("pictures/trailing.jpg"), 25},
                                         Oddity{test_data("pictures/interlaced.gif"), 1},
                                         Oddity{test_data("pictures/no_trailer.gif"), 0},
                                         Oddity{test_data("pictures/palette.bmp"), 0},
                                         Oddity{test_data("pictures/top_down.bmp"), 0}),
                         testing_support::printed_name);

// A grey JPEG whose one progressive scan codes only the DC values, each in
// the one-bit code of a Huffman table with a single code: one bit a block,
// the least data a whole Huffman-coded picture holds. All bits 0: a flat
// grey. `frame` is the start-of-frame code.
Bytes dc_only_jpeg(int width, int height, std::size_t scan_bytes, std::uint8_t frame = 0xC2) {
    Bytes file{0xFF, 0xD8};
    auto segment = [&file](std::uint8_t code, Bytes body) {
        file.insert(file.end(), {0xFF, code, std::uint8_t((body.size() + 2) >> 8),
                                 std::uint8_t(body.size() + 2)});
        file.insert(file.end(), body.begin(), body.end());
    };
    Bytes quantisation(65, 1);
    quantisation[0] = 0;
    segment(0xDB, quantisation);
    segment(frame, {8, std::uint8_t(height >> 8), std::uint8_t(height), std::uint8_t(width >> 8),
                    std::uint8_t(width), 1, 1, 0x11, 0});
    Bytes dc_table(18, 0);  // class 0, table 0; one code of length 1; symbol 0
    dc_table[1] = 1;
    segment(0xC4, dc_table);
    segment(0xDA, {1, 1, 0x00, 0, 0, 0});
    file.resize(file.size() + scan_bytes, 0);
    file.insert(file.end(), {0xFF, 0xD9});
    return file;
}

// A GIF of a 4-colour table whose image data is a clear code, one pixel and
// the end code: 2 bytes.
Bytes two_byte_gif(std::uint16_t width, std::uint16_t height) {
    const std::uint8_t w0 = std::uint8_t(width), w1 = std::uint8_t(width >> 8);
    const std::uint8_t h0 = std::uint8_t(height), h1 = std::uint8_t(height >> 8);
    return {'G', 'I', 'F', '8', '9', 'a', w0, w1,  h0, h1,   0x81, 0,    0,   255,
            0,   0,   0,   255, 0,   0,   0,  255, 0,  0,    0,    0x2C, 0,   0,
            0,   0,   w0,  w1,  h0,  h1,  0,  2,   2,  0x44, 0x01, 0,    0x3B};
}

Bytes bmp_header(std::int32_t width, std::int32_t height, std::uint16_t bits) {
    Bytes h(54, 0);
    auto put = [&h](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) h[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    h[0] = 'B', h[1] = 'M';
    put(10, 54, 4);  // pixel data offset
    put(14, 40, 4);  // info header size
    put(18, std::uint32_t(width), 4);
    put(22, std::uint32_t(height), 4);
    put(26, 1, 2);
    put(28, bits, 2);
    return h;
}

bool any_is_complete(const Bytes& file) {
    return platform::jpeg_is_complete(file) || platform::gif_is_complete(file) ||
           platform::bmp_is_complete(file);
}

// Data far too short for the size a file declares: a picture of decoder
// fill. Whole pictures of a flat colour, as small as they come, pass. A
// JPEG's end marker must follow its last scan: a thumbnail in an APP1
// segment ends with its own FF D9 before it.
TEST(PictureCompleteness, DataFarTooShortForTheDeclaredSizeIsIncomplete) {
    const std::size_t one_bit_a_block = 2048 * 2048 / 64 / 8;
    const Bytes thumbnail{0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x06, 0xFF, 0xD8, 0xFF, 0xD9, 0xFF, 0xDA,
                          0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00, 0x12, 0xFF, 0x00, 0x34};
    Bytes thumbnail_ended = thumbnail;
    thumbnail_ended.insert(thumbnail_ended.end(), {0xFF, 0xD9});
    Bytes small_bmp = bmp_header(3, -2, 24);  // rows of 12 bytes, top-down
    small_bmp.resize(54 + 24);
    const Bytes small_bmp_short(small_bmp.begin(), small_bmp.end() - 1);
    const auto huge_bmp = [](std::int32_t width, std::int32_t height, std::uint16_t bits) {
        Bytes file = bmp_header(width, height, bits);
        file.resize(4096, 0x55);
        return file;
    };
    const std::tuple<const char*, Bytes, bool> cases[] = {
        {"1 bit a block", dc_only_jpeg(2048, 2048, one_bit_a_block), true},
        {"a byte less", dc_only_jpeg(2048, 2048, one_bit_a_block - 1), false},
        {"5000 x 5000 in 128 bytes", dc_only_jpeg(5000, 5000, 128), false},
        {"arithmetic-coded", dc_only_jpeg(5000, 5000, 128, 0xCA), true},
        {"thumbnail's end only", thumbnail, false},
        {"thumbnail and scan ended", thumbnail_ended, true},
        {"flat 2000 x 2000 GIF", testing_support::read_bytes(test_data("pictures/flat.gif")), true},
        {"2 bytes for 8 x 8", two_byte_gif(8, 8), true},
        {"2 bytes for 5000 x 5000", two_byte_gif(5000, 5000), false},
        {"3 x 2 BMP", small_bmp, true},
        {"3 x 2 BMP a byte short", small_bmp_short, false},
        {"largest BMP", huge_bmp(0x7FFFFFFF, 0x7FFFFFFF, 32), false},
        {"most negative BMP", huge_bmp(INT32_MIN, INT32_MIN, 32), false},
        {"most negative BMP, 32768 bits", huge_bmp(INT32_MIN, INT32_MIN, 32768), false},
        {"wide, tall upside down, 65535 bits", huge_bmp(0x7FFFFFFF, -0x7FFFFFFF, 65535), false},
        {"2^20 x 2^20 BMP", huge_bmp(1 << 20, 1 << 20, 24), false}};
    for (const auto& [name, file, complete] : cases)
        EXPECT_EQ(any_is_complete(file), complete) << name;
}

}  // namespace
