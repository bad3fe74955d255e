#include "bkpic/info.h"

#include <gtest/gtest.h>

#include "formats/m11_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string describe(const Bytes& bytes) {
    return bkpic::describe_bk_file(bytes.size(), bytes);
}

Bytes m11_file(int line_width, int line_count, std::size_t data) {
    return bk::m11::file_bytes({line_width, line_count}, Bytes(data, 0));
}

TEST(BkpicInfo, ToldBySizeWithoutAnHeader) {
    EXPECT_EQ(describe(Bytes(16384)),
              "16384 bytes: PIC screen, 512x256 monochrome or 256x256 four-colour");
    EXPECT_EQ(describe(Bytes(16385)),
              "16385 bytes: too large for a PIC screen or a BBD sprite: refused");
    EXPECT_EQ(describe(Bytes(16383)),
              "16383 bytes: short PIC screen (1 bytes missing, drawn from zeros); too large for "
              "a BBD sprite");
    EXPECT_EQ(describe(Bytes(1024)), "1024 bytes: BBD sprite, 64x64 four-colour");
    EXPECT_EQ(describe(Bytes(1023)),
              "1023 bytes: short BBD sprite or PIC screen; the rest is drawn from zeros");
    EXPECT_EQ(describe(Bytes(0)),
              "0 bytes: short BBD sprite or PIC screen; the rest is drawn from zeros");
}

TEST(BkpicInfo, ToldByThe11MHeader) {
    EXPECT_EQ(describe(m11_file(32, 256, 8192)),
              "8200 bytes: 11M file, line width 32, line count 256: 128x256 four-colour or "
              "256x256 monochrome; accepted");
    EXPECT_EQ(describe(m11_file(64, 256, 100)),
              "108 bytes: 11M file, line width 64, line count 256: 256x256 four-colour or 512x256 "
              "monochrome; 16284 bytes of picture data missing; accepted");
    EXPECT_EQ(describe(m11_file(0, 256, 0)),
              "8 bytes: 11M header with line width 0 and line count 256: refused as a bad header");
    EXPECT_EQ(describe(m11_file(64, 256, 49145)),
              "49153 bytes: 11M signature, but longer than 49152 bytes: refused as too large");
    EXPECT_EQ(describe(Bytes{0x31, 0x31, 0x4D, 0x20, 1}),
              "5 bytes: 11M signature, but the header is cut short: refused");
}

}  // namespace
