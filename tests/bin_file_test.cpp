#include "formats/bin_file.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace bin = bk::bin;

Bytes screen_of(std::size_t size) {
    Bytes screen(size);
    for (std::size_t i = 0; i < size; ++i) screen[i] = std::uint8_t(i * 7 + i / 256);
    return screen;
}

TEST(BinFile, AScreenLoadsAt040000WithItsBytesUnchanged) {
    const Bytes screen = screen_of(16384);
    const Bytes file = bin::file_bytes(bin::screen_header, screen);
    ASSERT_EQ(file.size(), 16388u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), (Bytes{0x00, 0x40, 0x00, 0x40}));
    EXPECT_EQ(Bytes(file.begin() + 4, file.end()), screen);

    const bin::Reading reading = bin::read(file);
    ASSERT_EQ(reading.status, bin::ReadStatus::ok);
    EXPECT_EQ(Bytes(reading.data.begin(), reading.data.end()), screen);
    EXPECT_EQ(bin::describe(reading), "BK screen, load address 040000 (0x4000), 16384 bytes");
}

struct Refusal {
    const char* name;
    int address, length;  // the header; a negative address: no header at all
    std::size_t data_size;
    bin::ReadStatus status;
    const char* text;
};

class BinRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(BinRefusal, IsNamedWithWhatTheFileSays) {
    const Refusal& c = GetParam();
    const Bytes data = screen_of(c.data_size);
    const Bytes file = c.address < 0 ? data : bin::file_bytes({c.address, c.length}, data);
    const bin::Reading reading = bin::read(file);
    EXPECT_EQ(reading.status, c.status);
    EXPECT_TRUE(reading.data.empty());
    EXPECT_EQ(bin::describe(reading), c.text);
}

using S = bin::ReadStatus;
const char* const no_header = "shorter than the 4-byte BIN header";
INSTANTIATE_TEST_SUITE_P(
    OtherFiles, BinRefusal,
    testing::Values(Refusal{"Empty", -1, 0, 0, S::no_header, no_header},
                    Refusal{"ThreeBytes", -1, 0, 3, S::no_header, no_header},
                    Refusal{"AddressBytesSwapped", 0x0040, 16384, 16384, S::wrong_address,
                            "load address 000100 (0x0040), not the screen's 040000 (0x4000)"},
                    Refusal{"ProgramAt01000", 01000, 16384, 16384, S::wrong_address,
                            "load address 001000 (0x0200), not the screen's 040000 (0x4000)"},
                    Refusal{"SpriteLength", 0x4000, 1024, 1024, S::wrong_length,
                            "length 1024 bytes, not a whole screen's 16384"},
                    Refusal{"LengthOneMore", 0x4000, 16385, 16385, S::wrong_length,
                            "length 16385 bytes, not a whole screen's 16384"},
                    Refusal{"OneByteShort", 0x4000, 16384, 16383, S::missing_bytes,
                            "only 16383 of the 16384 bytes its header declares"},
                    Refusal{"OneByteTrailing", 0x4000, 16384, 16385, S::trailing_bytes,
                            "1 byte more than the 16384 bytes its header declares"}),
    [](const testing::TestParamInfo<Refusal>& info) { return info.param.name; });

}  // namespace
