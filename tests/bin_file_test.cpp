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
    Bytes expected{0x00, 0x40, 0x00, 0x40};
    expected.insert(expected.end(), screen.begin(), screen.end());
    const Bytes file = bin::file_bytes(bin::screen_header, screen);
    EXPECT_EQ(file, expected);
    const bin::Reading reading = bin::read(file);
    EXPECT_EQ(Bytes(reading.data.begin(), reading.data.end()), screen);
    EXPECT_EQ(bin::describe(reading), "BK screen, load address 040000 (0x4000), 16384 bytes");
}

// Each refusal reads no data and names what the file says; a negative
// address stands for no header at all.
TEST(BinFile, OtherFilesAreRefusedWithWhatTheySay) {
    const char* const no_header = "shorter than the 4-byte BIN header";
    const std::tuple<int, int, std::size_t, const char*> cases[] = {
        {-1, 0, 0, no_header},
        {-1, 0, 3, no_header},
        {0x0040, 16384, 16384, "load address 000100 (0x0040), not the screen's 040000 (0x4000)"},
        {01000, 16384, 16384, "load address 001000 (0x0200), not the screen's 040000 (0x4000)"},
        {0x4000, 1024, 1024, "length 1024 bytes, not a whole screen's 16384"},
        {0x4000, 16385, 16385, "length 16385 bytes, not a whole screen's 16384"},
        {0x4000, 16384, 16383, "only 16383 of the 16384 bytes its header declares"},
        {0x4000, 16384, 16385, "1 byte more than the 16384 bytes its header declares"}};
    for (const auto& [address, length, data_size, text] : cases) {
        const Bytes data = screen_of(data_size);
        const bin::Reading reading =
            bin::read(address < 0 ? data : bin::file_bytes({address, length}, data));
        EXPECT_NE(reading.status, bin::ReadStatus::ok) << text;
        EXPECT_TRUE(reading.data.empty()) << text;
        EXPECT_EQ(bin::describe(reading), text);
    }
}

}  // namespace
