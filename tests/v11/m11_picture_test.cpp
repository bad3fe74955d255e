// Which 11M files Open accepts and in which order it checks them, and what
// an accepted file puts into the buffer.
#include "viewer/m11_picture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/temp_folder.h"
#include "tests/v11/m11_support.h"

namespace {

using bk::m11::ReadStatus;
using v11_testing::m11_file;

constexpr std::uint8_t earlier = 0xA5;  // what the buffer held before

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

class Acceptance : public testing::TestWithParam<AcceptCase> {};

TEST_P(Acceptance, RefusedFilesLeaveTheBufferAndAcceptedOnesFillItsStart) {
    const AcceptCase& c = GetParam();
    testing_support::TempFolder temp;
    testing_support::write_text(temp / "f.11M", c.file);
    viewer::m11::Buffer buffer;
    buffer.fill(earlier);
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
constexpr bk::m11::Header largest{8, 6143};

INSTANTIATE_TEST_SUITE_P(
    Files, Acceptance,
    testing::Values(
        AcceptCase{"short", m11_file({64, 256}, 10, 0x5A), ReadStatus::ok, 10},
        AcceptCase{"header_only", m11_file({64, 256}, 0, 0), ReadStatus::ok, 0},
        AcceptCase{"longer_than_declared", m11_file({1, 1}, 300, 0x5A), ReadStatus::ok, 300},
        AcceptCase{"limit", m11_file(largest, 49144, 0x5A), ReadStatus::ok, 49144},
        AcceptCase{"over_limit", m11_file(largest, 49145, 0x5A), ReadStatus::too_large},
        // The signature is tested before the length, the length before the header.
        AcceptCase{"over_limit_not_11m", with_signature("11m ", 49153), ReadStatus::not_11m},
        AcceptCase{"over_limit_bad_header", m11_file({0, 0}, 49145, 0), ReadStatus::too_large},
        AcceptCase{"no_blank", with_signature("11M_", 100), ReadStatus::not_11m},
        AcceptCase{"empty", "", ReadStatus::not_11m},
        AcceptCase{"three_bytes", "11M", ReadStatus::not_11m},
        AcceptCase{"half_a_header", std::string("11M \x40\0\0", 7), ReadStatus::bad_header},
        AcceptCase{"zero_lines", m11_file({64, 0}, 100, 1), ReadStatus::bad_header},
        AcceptCase{"negative_width", m11_file({-64, 256}, 100, 1), ReadStatus::bad_header},
        AcceptCase{"widest", m11_file({4095, 12}, 100, 1), ReadStatus::ok, 100},
        AcceptCase{"buffer_full", m11_file({5, 9829}, 100, 1), ReadStatus::ok, 100},
        AcceptCase{"over_buffer", m11_file({2, 24573}, 100, 1), ReadStatus::bad_header}),
    [](const testing::TestParamInfo<AcceptCase>& info) { return std::string(info.param.what); });

}  // namespace
