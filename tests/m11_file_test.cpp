#include "formats/m11_file.h"

#include <gtest/gtest.h>

#include "formats/bk_screen.h"
#include "tests/support/param_names.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace m11 = bk::m11;

Bytes area_file(int width, int height, int bits_per_pixel, std::uint8_t value) {
    const Bytes pixels(std::size_t(width) * height, value);
    const m11::Header header{m11::line_width_for(width, 8 / bits_per_pixel), height};
    return m11::file_bytes(header, bk::pack_pixels(pixels, width, bits_per_pixel));
}

struct AreaCase {
    int width, height, bits_per_pixel;
    std::uint8_t value;
    std::size_t file_size;
    Bytes header_numbers;
    std::uint8_t data_byte;
};

void PrintTo(const AreaCase& c, std::ostream* os) {
    *os << c.width << "x" << c.height << " " << c.bits_per_pixel << "bpp value " << int(c.value);
}

class AreaFile : public testing::TestWithParam<AreaCase> {};

TEST_P(AreaFile, HasItsSizeHeaderAndData) {
    const AreaCase& c = GetParam();
    const Bytes file = area_file(c.width, c.height, c.bits_per_pixel, c.value);
    ASSERT_EQ(file.size(), c.file_size);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), (Bytes{0x31, 0x31, 0x4D, 0x20}));
    EXPECT_EQ(Bytes(file.begin() + 4, file.begin() + 8), c.header_numbers);
    EXPECT_TRUE(std::all_of(file.begin() + 8, file.end(),
                            [&](std::uint8_t b) { return b == c.data_byte; }));
    const m11::Reading reading = m11::read(file);
    EXPECT_EQ(reading.status, m11::ReadStatus::ok);
    EXPECT_EQ(reading.data.size(), c.file_size - 8);
}

INSTANTIATE_TEST_SUITE_P(
    WriterSizes, AreaFile,
    testing::Values(AreaCase{256, 256, 1, 1, 8200, {0x20, 0, 0, 1}, 0xFF},
                    AreaCase{256, 256, 2, bk::blue, 16392, {0x40, 0, 0, 1}, 0x55},
                    AreaCase{64, 64, 1, 0, 520, {8, 0, 64, 0}, 0x00},
                    AreaCase{64, 64, 2, bk::green, 1032, {16, 0, 64, 0}, 0xAA},
                    AreaCase{260, 64, 2, bk::red, 4168, {65, 0, 64, 0}, 0xFF},
                    AreaCase{256, 767, 2, bk::black, 8 + 64 * 767, {64, 0, 0xFF, 2}, 0}),
    testing_support::printed_name);

TEST(M11File, LineWidthRoundsHalfToEven) {
    EXPECT_EQ(m11::line_width_for(256, 8), 32);
    EXPECT_EQ(m11::line_width_for(260, 8), 32);  // 32.5
    EXPECT_EQ(m11::line_width_for(268, 8), 34);  // 33.5
    EXPECT_EQ(m11::line_width_for(260, 4), 65);
    EXPECT_EQ(m11::line_width_for(262, 4), 66);  // 65.5
}

TEST(M11File, ReaderChecksSignatureFirstThenLength) {
    Bytes file(m11::file_limit, 0);
    file[4] = 64;
    file[7] = 2;  // 64 x 512 = 32768 bytes declared
    std::copy(m11::signature.begin(), m11::signature.end(), file.begin());
    EXPECT_EQ(m11::read(file).status, m11::ReadStatus::ok);
    EXPECT_EQ(m11::read(file).data.size(), std::size_t(m11::data_budget));

    file.push_back(0);
    EXPECT_EQ(m11::read(file).status, m11::ReadStatus::too_large);
    file[2] = 0x6D;  // lower-case m
    EXPECT_EQ(m11::read(file).status, m11::ReadStatus::not_11m);
}

TEST(M11File, RefusesWrongOrShortSignatures) {
    for (const Bytes& start : {Bytes{}, Bytes{0x31, 0x31, 0x4D}, Bytes{0x31, 0x31, 0x6D, 0x20},
                               Bytes{0x31, 0x31, 0x4D, 0x21}, Bytes{0x31, 0x31, 0x4D, 0x00},
                               Bytes{0x31, 0x31, 0x20, 0x4D}}) {
        Bytes file = start;
        file.resize(std::max<std::size_t>(start.size(), start.size() == 4 ? 16 : 0), 1);
        EXPECT_EQ(m11::read(file).status, m11::ReadStatus::not_11m) << file.size();
    }
}

TEST(M11File, RefusesHeadersTheBufferCannotHold) {
    const std::pair<m11::Header, bool> headers[] = {
        {{1, 1}, true},      {{4095, 12}, true},  {{64, 767}, true}, {{2, 24572}, true},
        {{3, 16382}, false}, {{4096, 1}, false},  {{0, 256}, false}, {{64, 0}, false},
        {{-64, 256}, false}, {{64, -256}, false}, {{-1, -1}, false}, {{256, 256}, false}};
    for (const auto& [header, fits] : headers) {
        const Bytes file = m11::file_bytes(header, {});
        EXPECT_EQ(m11::read(file).status, fits ? m11::ReadStatus::ok : m11::ReadStatus::bad_header)
            << header.line_width << " x " << header.line_count;
        EXPECT_EQ(m11::read(file).header, header);
    }
    const Bytes header_cut_short{0x31, 0x31, 0x4D, 0x20, 64, 0, 0};
    EXPECT_EQ(m11::read(header_cut_short).status, m11::ReadStatus::bad_header);
}

TEST(M11File, AcceptsDataShorterThanDeclared) {
    Bytes file = area_file(256, 256, 2, bk::red);
    file.resize(100);
    const m11::Reading reading = m11::read(file);
    EXPECT_EQ(reading.status, m11::ReadStatus::ok);
    EXPECT_EQ(reading.header, (m11::Header{64, 256}));
    EXPECT_EQ(reading.data.size(), 92u);
}

}  // namespace
