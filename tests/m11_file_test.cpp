#include "formats/m11_file.h"

#include <gtest/gtest.h>

#include "formats/bk_screen.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace m11 = bk::m11;

// A whole area of one colour value, as the converter writes it.
TEST(M11File, AnAreaIsTheSignatureItsLineWidthAndCountAndItsRows) {
    const std::tuple<int, int, int, std::uint8_t, Bytes, std::uint8_t> areas[] = {
        {256, 256, 1, 1, {0x20, 0, 0, 1}, 0xFF},     {256, 256, 2, bk::blue, {0x40, 0, 0, 1}, 0x55},
        {64, 64, 1, 0, {8, 0, 64, 0}, 0x00},         {64, 64, 2, bk::green, {16, 0, 64, 0}, 0xAA},
        {260, 64, 2, bk::red, {65, 0, 64, 0}, 0xFF}, {256, 767, 2, bk::black, {64, 0, 0xFF, 2}, 0}};
    for (const auto& [width, height, bits, value, numbers, data_byte] : areas) {
        const Bytes pixels(std::size_t(width) * height, value);
        const m11::Header header{m11::line_width_for(width, 8 / bits), height};
        const Bytes file = m11::file_bytes(header, bk::pack_pixels(pixels, width, bits));
        Bytes expected{0x31, 0x31, 0x4D, 0x20};
        expected.insert(expected.end(), numbers.begin(), numbers.end());
        expected.resize(8 + std::size_t(numbers[0] + 256 * numbers[1]) * height, data_byte);
        EXPECT_EQ(file, expected) << width << "x" << height << " " << bits << "bpp";
        EXPECT_EQ(m11::read(file).data.size(), expected.size() - 8);
    }
    const std::tuple<int, int, int> widths[] = {{260, 8, 32}, {268, 8, 34}, {262, 4, 66}};
    for (const auto& [width, pixels_per_byte, line_width] : widths)
        EXPECT_EQ(m11::line_width_for(width, pixels_per_byte), line_width) << width;
}

// The signature first, then the length, then the header's numbers; data
// shorter than the header declares is taken.
TEST(M11File, ReaderChecksSignatureThenLengthThenHeader) {
    using enum m11::ReadStatus;
    const auto file_of = [](Bytes start, std::size_t size) {
        start.resize(std::max(start.size(), size), 1);
        return start;
    };
    const Bytes signature(m11::signature.begin(), m11::signature.end());
    const Bytes largest = m11::file_bytes({64, 512}, Bytes(m11::data_budget, 1));
    Bytes too_long = file_of(largest, largest.size() + 1), lower_case_m = too_long;
    lower_case_m[2] = 0x6D;
    const std::tuple<const char*, Bytes, m11::ReadStatus, std::size_t> cases[] = {
        {"largest", largest, ok, m11::data_budget},
        {"a byte too long", too_long, too_large, 0},
        {"lower-case m, too long", lower_case_m, not_11m, 0},
        {"shorter data than declared", m11::file_bytes({64, 256}, Bytes(92, 1)), ok, 92},
        {"header cut short", file_of(signature, 7), bad_header, 0},
        {"empty", {}, not_11m, 0},
        {"three bytes", {0x31, 0x31, 0x4D}, not_11m, 0},
        {"11m", file_of({0x31, 0x31, 0x6D, 0x20}, 16), not_11m, 0},
        {"11M!", file_of({0x31, 0x31, 0x4D, 0x21}, 16), not_11m, 0},
        {"11M nul", file_of({0x31, 0x31, 0x4D, 0x00}, 16), not_11m, 0},
        {"11 M", file_of({0x31, 0x31, 0x20, 0x4D}, 16), not_11m, 0}};
    for (const auto& [name, file, status, data_size] : cases) {
        EXPECT_EQ(m11::read(file).status, status) << name;
        EXPECT_EQ(m11::read(file).data.size(), data_size) << name;
    }
}

TEST(M11File, RefusesHeadersTheBufferCannotHold) {
    const std::pair<m11::Header, bool> headers[] = {
        {{1, 1}, true},      {{4095, 12}, true},  {{64, 767}, true}, {{2, 24572}, true},
        {{3, 16382}, false}, {{4096, 1}, false},  {{0, 256}, false}, {{64, 0}, false},
        {{-64, 256}, false}, {{64, -256}, false}, {{-1, -1}, false}, {{256, 256}, false}};
    for (const auto& [header, fits] : headers) {
        const Bytes file = m11::file_bytes(header, {});
        const m11::Reading reading = m11::read(file);
        EXPECT_EQ(reading.status, fits ? m11::ReadStatus::ok : m11::ReadStatus::bad_header)
            << header.line_width << " x " << header.line_count;
        EXPECT_EQ(reading.header, header);
    }
}

}  // namespace
