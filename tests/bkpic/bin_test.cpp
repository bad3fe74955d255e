// bkpic and .bin screens: render draws a .bin as the .pic of its bytes, and
// refuses, as info tells, one whose header does not declare a whole screen.
#include <gtest/gtest.h>

#include "bkpic/command_line.h"
#include "tests/bkpic/bkpic_run.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace testing_support;
using bkpic_testing::bkpic_run;
using bkpic_testing::q;

TEST(BkpicBin, RenderDrawsTheBinAsItsPicAndInfoReadsTheHeader) {
    TempFolder folder;
    std::string screen(16384, '\0');
    for (std::size_t i = 0; i < screen.size(); ++i) screen[i] = char(i * 37 + i / 64);
    const std::string bin = std::string("\x00\x40\x00\x40", 4) + screen;
    write_text(folder / "s.pic", screen);
    write_text(folder / "s.bin", bin);
    write_text(folder / "bad.bin", std::string("\x00\x40\x00\x04", 4) + screen);  // 1024 bytes
    write_text(folder / "long.bin", bin + std::string(100000 - bin.size(), '\0'));
    for (const std::string as : {"mono", "color"}) {
        for (const std::string name : {"s.pic", "s.bin"}) {
            const auto run = bkpic_run({"render", q(folder / name), "--as", q(as), "-o",
                                        q(folder / name + "." + as + ".bmp")});
            EXPECT_EQ(run.status, bkpic::all_done) << run.err;
        }
        EXPECT_EQ(read_bytes(folder / "s.bin." + as + ".bmp"),
                  read_bytes(folder / "s.pic." + as + ".bmp"));
    }
    const std::string too_long = "83612 bytes more than the 16384 bytes its header declares";
    const std::string not_whole = "length 1024 bytes, not a whole screen's 16384";
    EXPECT_EQ(bkpic_run({"render", q(folder / "bad.bin"), q(folder / "long.bin")}).err,
              "bkpic: " + folder / "bad.bin" + ": Not a BK screen file: " + not_whole +
                  ".\nbkpic: " + folder / "long.bin" + ": Not a BK screen file: " + too_long +
                  ".\n");
    EXPECT_EQ(
        bkpic_run({"info", q(folder / "s.bin"), q(folder / "bad.bin"), q(folder / "long.bin")}).out,
        folder / "s.bin" +
            ": 16388 bytes: BIN file, BK screen, load address 040000 (0x4000), 16384 bytes: "
            "512x256 monochrome or 256x256 four-colour\n" +
            folder / "bad.bin" + ": 16388 bytes: BIN file, refused: " + not_whole + "\n" +
            folder / "long.bin" + ": 100000 bytes: BIN file, refused: " + too_long + "\n");
}

}  // namespace
