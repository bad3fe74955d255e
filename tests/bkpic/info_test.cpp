#include "bkpic/info.h"

#include <gtest/gtest.h>

#include "formats/m11_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes m11_file(int line_width, int line_count, std::size_t data) {
    return bk::m11::file_bytes({line_width, line_count}, Bytes(data, 0));
}

// A file without an 11M header is told by its size.
TEST(BkpicInfo, ToldByTheSizeOrThe11MHeader) {
    const std::pair<Bytes, std::string> cases[] = {
        {Bytes(16384), "PIC screen, 512x256 monochrome or 256x256 four-colour"},
        {Bytes(16385), "too large for a PIC screen or a BBD sprite: refused"},
        {Bytes(16383),
         "short PIC screen (1 bytes missing, drawn from zeros); too large for a BBD "
         "sprite"},
        {Bytes(1024), "BBD sprite, 64x64 four-colour"},
        {Bytes(1023), "short BBD sprite or PIC screen; the rest is drawn from zeros"},
        {Bytes(0), "short BBD sprite or PIC screen; the rest is drawn from zeros"},
        {m11_file(32, 256, 8192),
         "11M file, line width 32, line count 256: 128x256 four-colour "
         "or 256x256 monochrome; accepted"},
        {m11_file(64, 256, 100),
         "11M file, line width 64, line count 256: 256x256 four-colour or "
         "512x256 monochrome; 16284 bytes of picture data missing; "
         "accepted"},
        {m11_file(0, 256, 0),
         "11M header with line width 0 and line count 256: refused as a bad header"},
        {m11_file(64, 256, 49145),
         "11M signature, but longer than 49152 bytes: refused as too large"},
        {Bytes{0x31, 0x31, 0x4D, 0x20, 1}, "11M signature, but the header is cut short: refused"}};
    for (const auto& [bytes, description] : cases)
        EXPECT_EQ(bkpic::describe_bk_file(bytes.size(), bytes),
                  std::to_string(bytes.size()) + " bytes: " + description);
}

}  // namespace
