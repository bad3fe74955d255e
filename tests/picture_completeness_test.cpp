#include "platform/picture_completeness.h"

#include <gtest/gtest.h>

#include "tests/support/param_names.h"
#include "tests/support/temp_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Sample {
    const char* file;
    bool (*complete)(std::span<const std::uint8_t>);
    std::size_t stride;  // truncation lengths tried: every stride-th
};

void PrintTo(const Sample& c, std::ostream* os) {
    *os << c.file;
}

class Samples : public testing::TestWithParam<Sample> {};

TEST_P(Samples, WholeFileCompleteEveryTruncationNot) {
    const Sample& s = GetParam();
    const Bytes bytes = testing_support::read_bytes(testing_support::sample(s.file));
    ASSERT_GT(bytes.size(), 100u);
    EXPECT_TRUE(s.complete(bytes));
    EXPECT_FALSE(s.complete(std::span(bytes).first(bytes.size() - 1)));
    for (std::size_t length = 0; length < bytes.size(); length += s.stride) {
        const Bytes cut(bytes.begin(), bytes.begin() + length);  // reading past it is caught
        ASSERT_FALSE(s.complete(cut)) << s.file << " cut to " << length;
    }
}

INSTANTIATE_TEST_SUITE_P(Committed, Samples,
                         testing::Values(Sample{"gradient.jpg", platform::jpeg_is_complete, 1},
                                         Sample{"quadrants.gif", platform::gif_is_complete, 1},
                                         Sample{"testcard.bmp", platform::bmp_is_complete, 97}),
                         testing_support::printed_name);

TEST(PictureCompleteness, EmptyInputIsIncomplete) {
    EXPECT_FALSE(platform::jpeg_is_complete({}));
    EXPECT_FALSE(platform::gif_is_complete({}));
    EXPECT_FALSE(platform::bmp_is_complete({}));
}

TEST(PictureCompleteness, JpegEndMarkerMustFollowTheLastScan) {
    // A thumbnail in an APP1 segment ends with its own FF D9 before the scan.
    Bytes file = {0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x06, 0xFF, 0xD8, 0xFF, 0xD9, 0xFF, 0xDA,
                  0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00, 0x12, 0xFF, 0x00, 0x34};
    EXPECT_FALSE(platform::jpeg_is_complete(file));
    file.insert(file.end(), {0xFF, 0xD9});
    EXPECT_TRUE(platform::jpeg_is_complete(file));
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

TEST(PictureCompleteness, BmpDeclaringHugeDimensionsIsIncomplete) {
    const std::tuple<std::int32_t, std::int32_t, std::uint16_t> cases[] = {
        {0x7FFFFFFF, 0x7FFFFFFF, 32},
        {INT32_MIN, INT32_MIN, 32},
        {INT32_MIN, INT32_MIN, 32768},
        {0x7FFFFFFF, -0x7FFFFFFF, 65535},
        {1 << 20, 1 << 20, 24}};
    for (const auto& [width, height, bits] : cases) {
        Bytes file = bmp_header(width, height, bits);
        file.resize(4096, 0x55);
        EXPECT_FALSE(platform::bmp_is_complete(file)) << width << " x " << height << " x " << bits;
    }
    Bytes small = bmp_header(3, -2, 24);  // rows of 12 bytes, top-down
    small.resize(54 + 24);
    EXPECT_TRUE(platform::bmp_is_complete(small));
    small.pop_back();
    EXPECT_FALSE(platform::bmp_is_complete(small));
}

}  // namespace
