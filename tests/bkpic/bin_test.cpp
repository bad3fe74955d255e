// bkpic and .bin screens: convert --bin writes the .pic's bytes behind the
// screen header; render draws a .bin as the .pic of its bytes; info reads
// its header.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "bkpic/command_line.h"
#include "tests/bkpic/bkpic_run.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace testing_support;
using Bytes = std::vector<std::uint8_t>;

using bkpic_testing::bkpic_run;
using bkpic_testing::Outcome;
using bkpic_testing::q;

Bytes with_header(Bytes screen) {
    screen.insert(screen.begin(), {0x00, 0x40, 0x00, 0x40});
    return screen;
}

TEST(BkpicBin, ConvertWritesTheScreenBesideOrInsteadOfThePic) {
    TempFolder both, only;
    const std::string input = sample("testcard.bmp");
    const Outcome run =
        bkpic_run({"convert", q(input), "--to", "mono", "--bin", "--outdir", q(both.path())});
    ASSERT_EQ(run.status, bkpic::all_done) << run.err;
    EXPECT_EQ(run.out,
              input + " -> " + both / "testcard.pic\n" + input + " -> " + both / "testcard.bin\n");
    EXPECT_EQ(read_bytes(both / "testcard.bin"), with_header(read_bytes(both / "testcard.pic")));

    const Outcome bin_only =
        bkpic_run({"convert", q(input), "--to", "mono", "--bin-only", "--outdir", q(only.path())});
    ASSERT_EQ(bin_only.status, bkpic::all_done) << bin_only.err;
    EXPECT_EQ(folder_names(only.path()), std::vector<std::string>{"testcard.bin"});
    EXPECT_EQ(read_bytes(only / "testcard.bin"), read_bytes(both / "testcard.bin"));

    const Outcome again =
        bkpic_run({"convert", q(input), "--to", "mono", "--bin-only", "--outdir", q(only.path())});
    EXPECT_EQ(again.status, bkpic::some_failed);
    EXPECT_EQ(again.err, "bkpic: " + input + ": " + only / "testcard.bin" +
                             " exists; use --force to replace it\n");
}

TEST(BkpicBin, RenderDrawsTheBinAsItsPicAndInfoReadsTheHeader) {
    TempFolder folder;
    Bytes screen(16384);
    for (std::size_t i = 0; i < screen.size(); ++i) screen[i] = std::uint8_t(i * 37 + i / 64);
    const Bytes bin = with_header(screen);
    Bytes sprite_length = bin;
    sprite_length[3] = 0x04;  // 1024 bytes
    write_text(folder / "s.pic", std::string(screen.begin(), screen.end()));
    write_text(folder / "s.bin", std::string(bin.begin(), bin.end()));
    write_text(folder / "bad.bin", std::string(sprite_length.begin(), sprite_length.end()));
    for (const char* as : {"mono", "color"}) {
        const Outcome pic =
            bkpic_run({"render", q(folder / "s.pic"), "--as", as, "-o", q(folder / "pic.bmp")});
        const Outcome bin =
            bkpic_run({"render", q(folder / "s.bin"), "--as", as, "-o", q(folder / "bin.bmp")});
        ASSERT_EQ(pic.status + bin.status, bkpic::all_done) << pic.err << bin.err;
        EXPECT_EQ(read_bytes(folder / "bin.bmp"), read_bytes(folder / "pic.bmp")) << as;
        std::filesystem::remove(folder / "pic.bmp");
        std::filesystem::remove(folder / "bin.bmp");
    }
    Bytes long_bin = bin;
    long_bin.resize(100000);  // more than is read: told by its length on disk
    write_text(folder / "long.bin", std::string(long_bin.begin(), long_bin.end()));
    const Outcome refused = bkpic_run({"render", q(folder / "bad.bin"), q(folder / "long.bin")});
    EXPECT_EQ(refused.err, "bkpic: " + folder / "bad.bin" +
                               ": Not a BK screen file: length 1024 bytes, not a whole "
                               "screen's 16384.\nbkpic: " +
                               folder / "long.bin" +
                               ": Not a BK screen file: 83612 bytes more than the 16384 bytes "
                               "its header declares.\n");

    const Outcome info =
        bkpic_run({"info", q(folder / "s.bin"), q(folder / "bad.bin"), q(folder / "long.bin")});
    EXPECT_EQ(info.out,
              folder / "s.bin" +
                  ": 16388 bytes: BIN file, BK screen, load address 040000 (0x4000), 16384 "
                  "bytes: 512x256 monochrome or 256x256 four-colour\n" +
                  folder / "bad.bin" +
                  ": 16388 bytes: BIN file, refused: length 1024 bytes, not a whole screen's "
                  "16384\n" +
                  folder / "long.bin" +
                  ": 100000 bytes: BIN file, refused: 83612 bytes more than the 16384 bytes its "
                  "header declares\n");
}

}  // namespace
