// The 11M viewer's picture without a window: which files Open accepts and
// in which order it checks them, what an accepted file puts into the
// buffer, and the sizes a header gives the picture window and the window.
#include "viewer/m11_picture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/param_names.h"
#include "tests/support/temp_folder.h"
#include "tests/v11/m11_support.h"

namespace {

using bk::m11::Header;
using bk::m11::ReadStatus;
using testing_support::TempFolder;
using testing_support::write_text;
using v11_testing::m11_file;
using viewer::m11::PixelSize;

constexpr std::uint8_t earlier = 0xA5;  // what the buffer held before

viewer::m11::Buffer filled_buffer() {
    viewer::m11::Buffer buffer;
    buffer.fill(earlier);
    return buffer;
}

std::string with_signature(const char (&first_four)[5], std::size_t length) {
    std::string file = m11_file({64, 256}, length - 8, 0x5A);
    std::copy(first_four, first_four + 4, file.begin());
    return file;
}

struct AcceptCase {
    const char* what;
    std::string file;
    ReadStatus status;
    std::size_t data_read = 0;  // when accepted
};

void PrintTo(const AcceptCase& c, std::ostream* os) {
    *os << c.what;
}

class Acceptance : public testing::TestWithParam<AcceptCase> {};

TEST_P(Acceptance, RefusedFilesLeaveTheBufferAndAcceptedOnesFillItsStart) {
    const AcceptCase& c = GetParam();
    TempFolder temp;
    write_text(temp / "f.11M", c.file);
    viewer::m11::Buffer buffer = filled_buffer();
    const viewer::m11::FileRead read = viewer::m11::read_file(temp / "f.11M", buffer);
    EXPECT_FALSE(read.failure);
    EXPECT_EQ(read.status, c.status);
    const std::size_t changed = c.status == ReadStatus::ok ? c.data_read : 0;
    EXPECT_EQ(read.data_read, changed);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + changed, c.file.begin() + 8,
                           [](std::uint8_t b, char f) { return b == std::uint8_t(f); }));
    EXPECT_TRUE(std::all_of(buffer.begin() + changed, buffer.end(),
                            [](std::uint8_t b) { return b == earlier; }));
}

// The largest data a file can hold, 49144 bytes, as 8 bytes by 6143 lines.
constexpr Header largest{8, 6143};

INSTANTIATE_TEST_SUITE_P(
    Files, Acceptance,
    testing::Values(
        AcceptCase{"whole", m11_file({64, 256}, 16384, 0x5A), ReadStatus::ok, 16384},
        AcceptCase{"short", m11_file({64, 256}, 10, 0x5A), ReadStatus::ok, 10},
        AcceptCase{"header_only", m11_file({64, 256}, 0, 0), ReadStatus::ok, 0},
        AcceptCase{"longer_than_declared", m11_file({1, 1}, 300, 0x5A), ReadStatus::ok, 300},
        AcceptCase{"limit", m11_file(largest, 49144, 0x5A), ReadStatus::ok, 49144},
        AcceptCase{"over_limit", m11_file(largest, 49145, 0x5A), ReadStatus::too_large},
        // The signature is tested before the length, the length before the header.
        AcceptCase{"over_limit_not_11m", with_signature("11m ", 49153), ReadStatus::not_11m},
        AcceptCase{"over_limit_bad_header", m11_file({0, 0}, 49145, 0), ReadStatus::too_large},
        AcceptCase{"lower_case_m", with_signature("11m ", 100), ReadStatus::not_11m},
        AcceptCase{"no_blank", with_signature("11M_", 100), ReadStatus::not_11m},
        AcceptCase{"zero_for_blank", with_signature("11M\0", 100), ReadStatus::not_11m},
        AcceptCase{"empty", "", ReadStatus::not_11m},
        AcceptCase{"three_bytes", "11M", ReadStatus::not_11m},
        AcceptCase{"signature_only", "11M ", ReadStatus::bad_header},
        AcceptCase{"half_a_header", std::string("11M \x40\0\0", 7), ReadStatus::bad_header},
        AcceptCase{"zero_width", m11_file({0, 256}, 100, 1), ReadStatus::bad_header},
        AcceptCase{"zero_lines", m11_file({64, 0}, 100, 1), ReadStatus::bad_header},
        AcceptCase{"negative_width", m11_file({-64, 256}, 100, 1), ReadStatus::bad_header},
        AcceptCase{"negative_lines", m11_file({64, -1}, 100, 1), ReadStatus::bad_header},
        AcceptCase{"too_wide", m11_file({4096, 1}, 100, 1), ReadStatus::bad_header},
        AcceptCase{"widest", m11_file({4095, 12}, 100, 1), ReadStatus::ok, 100},
        AcceptCase{"buffer_full", m11_file({5, 9829}, 100, 1), ReadStatus::ok, 100},
        AcceptCase{"over_buffer", m11_file({2, 24573}, 100, 1), ReadStatus::bad_header},
        AcceptCase{"over_buffer_far", m11_file({256, 256}, 100, 1), ReadStatus::bad_header}),
    [](const testing::TestParamInfo<AcceptCase>& info) { return std::string(info.param.what); });

TEST(Acceptance, AFileThatCannotBeReadLeavesTheBuffer) {
    TempFolder temp;
    const std::pair<std::string, int> cases[] = {{temp / "missing.11M", ENOENT},
                                                 {temp.path(), EISDIR}};
    for (const auto& [path, error] : cases) {
        viewer::m11::Buffer buffer = filled_buffer();
        const viewer::m11::FileRead read = viewer::m11::read_file(path, buffer);
        ASSERT_TRUE(read.failure) << path;
        EXPECT_EQ(read.failure->number, error);
        EXPECT_FALSE(read.accepted());
        EXPECT_EQ(buffer, filled_buffer());
    }
}

TEST(Acceptance, RefusalMessagesNameTheFile) {
    const std::string path = "/pics/a b.11M";
    EXPECT_EQ(viewer::m11::refusal_message(ReadStatus::not_11m, path),
              "File /pics/a b.11M is not file 11M!");
    EXPECT_EQ(viewer::m11::refusal_message(ReadStatus::too_large, path),
              "File /pics/a b.11M too large!");
    EXPECT_EQ(viewer::m11::refusal_message(ReadStatus::bad_header, path),
              "File /pics/a b.11M has a bad header!");
    EXPECT_EQ(viewer::m11::refusal_message(ReadStatus::ok, path), "");
}

struct SizeCase {
    Header header;
    bool mono;
    PixelSize picture;
    PixelSize client;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.header.line_width << "x" << c.header.line_count << (c.mono ? " mono" : " colour");
}

class Sizes : public testing::TestWithParam<SizeCase> {};

TEST_P(Sizes, ThePictureWindowTakesTheHeadersAreaAndTheWindowFollows) {
    const SizeCase& c = GetParam();
    const PixelSize picture = viewer::m11::picture_size(c.header, c.mono);
    EXPECT_EQ(picture, c.picture);
    EXPECT_EQ(viewer::m11::client_size(picture), c.client);
}

INSTANTIATE_TEST_SUITE_P(Headers, Sizes,
                         testing::Values(SizeCase{{64, 256}, false, {256, 256}, {288, 286}},
                                         SizeCase{{64, 256}, true, {512, 256}, {544, 286}},
                                         SizeCase{{32, 256}, true, {256, 256}, {288, 286}},
                                         SizeCase{{64, 767}, false, {256, 767}, {288, 797}},
                                         SizeCase{{64, 767}, true, {512, 767}, {544, 797}},
                                         SizeCase{{16, 64}, false, {64, 64}, {96, 94}},
                                         SizeCase{{1, 1}, false, {4, 1}, {36, 31}},
                                         SizeCase{{1, 1}, true, {8, 1}, {40, 31}},
                                         SizeCase{{4095, 12}, true, {32760, 12}, {32792, 42}}),
                         testing_support::printed_name);

TEST(Sizes, BeforeTheFirstFileTheHeaderGivesTheDesignSizes) {
    const PixelSize picture = viewer::m11::picture_size(viewer::m11::design_header, false);
    EXPECT_EQ(picture, viewer::m11::design_picture);
    EXPECT_EQ(viewer::m11::client_size(picture), viewer::m11::design_client);
}

}  // namespace
