// bkpic and .bin files and .wav tapes: convert --bin and --wav write the
// screen behind a BK file header and on a tape under the output's name; info
// lists the tape, extract gives the .bin back and render draws it as the
// .pic; a tape that does not read writes nothing.
#include "formats/tape.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "bkpic/command_line.h"
#include "formats/wav_file.h"
#include "tests/bkpic/bkpic_run.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace testing_support;
using namespace bkpic_testing;
using Bytes = std::vector<std::uint8_t>;

void write_bytes(const std::string& path, const Bytes& bytes) {
    write_text(path, std::string(bytes.begin(), bytes.end()));
}

TEST(BkpicTape, ConvertWritesABinAndATapeThatGiveBackTheScreen) {
    TempFolder both, only;
    const std::string input = sample("testcard.bmp");
    const Outcome run = bkpic_run(
        {"convert", q(input), "--to", "mono", "--bin", "--wav", "--outdir", q(both.path())});
    ASSERT_EQ(run.status, bkpic::all_done) << run.err;
    EXPECT_EQ(run.out, input + " -> " + both / "testcard.pic\n" + input + " -> " +
                           both / "testcard.bin\n" + input + " -> " + both / "testcard.wav" +
                           " (tape name \"testcard\")\n");
    EXPECT_EQ(read_text(both / "testcard.bin"),
              std::string("\x00\x40\x00\x40", 4) + read_text(both / "testcard.pic"));
    for (const char* output : {"--bin-only", "--wav-only"})
        bkpic_run({"convert", q(input), "--to", "mono", output, "--outdir", q(only.path())});
    EXPECT_EQ(folder_names(only.path()),
              (std::vector<std::string>{"testcard.bin", "testcard.wav"}));
    EXPECT_EQ(read_bytes(only / "testcard.bin"), read_bytes(both / "testcard.bin"));
    EXPECT_EQ(read_bytes(only / "testcard.wav"), read_bytes(both / "testcard.wav"));

    EXPECT_EQ(bkpic_run({"info", q(both / "testcard.wav")}).out,
              both / "testcard.wav" +
                  ": WAV sound, 44100 Hz, 16-bit mono, 113.0 s: BK tape, 1 file\n" +
                  both / "testcard.wav" +
                  ": file 1: \"testcard\", load address 040000 (0x4000), 16384 bytes, "
                  "checksum right\n");
    bkpic_run({"extract", q(both / "testcard.wav"), "-o", q(only / "back.bin")});
    EXPECT_EQ(read_bytes(only / "back.bin"), read_bytes(both / "testcard.bin"));
    for (const std::string as : {"mono", "color"}) {
        for (const char* name : {"testcard.wav", "testcard.bin", "testcard.pic"})
            bkpic_run(
                {"render", q(both / name), "--as", q(as), "-o", q(only / name + as + ".bmp")});
        const Bytes from_pic = read_bytes(only / "testcard.pic" + as + ".bmp");
        EXPECT_FALSE(from_pic.empty());
        EXPECT_EQ(read_bytes(only / "testcard.wav" + as + ".bmp"), from_pic);
        EXPECT_EQ(read_bytes(only / "testcard.bin" + as + ".bmp"), from_pic);
    }
}

// Each kind of BK file goes to its own address, and the tape is named after
// the output, in ASCII, cut to 16 characters.
TEST(BkpicTape, TapePutsEachKindOfFileWhereItLoads) {
    TempFolder folder;
    write_bytes(folder / "screen.pic", Bytes(16384, 0x55));
    write_bytes(folder / "sprite.BBD", Bytes(1024, 0xE4));
    write_bytes(folder / "code.bin", {0x00, 0x02, 0x03, 0x00, 1, 2, 3});
    write_bytes(folder / "short.bin", {0x00, 0x02, 0x03, 0x00, 1});
    write_text(folder / "photo.jpg", "not a BK file");
    QStringList tape{"tape"};
    for (const char* name : {"screen.pic", "sprite.BBD", "code.bin", "short.bin", "photo.jpg"})
        tape << q(folder / name);
    const Outcome run = bkpic_run(tape);
    EXPECT_EQ(run.status, bkpic::some_failed);
    EXPECT_EQ(run.err, "bkpic: " + folder / "short.bin" +
                           ": Not a BK file: only 1 of the 3 bytes its header declares\nbkpic: " +
                           folder / "photo.jpg" +
                           ": not a BK file: give a .pic, .bbd, .11M or .bin file\n");
    const std::string long_name = folder / "Картинка с очень длинным именем.wav";
    EXPECT_EQ(bkpic_run({"tape", q(folder / "code.bin"), "-o", q(long_name)}).out,
              folder / "code.bin -> " + long_name + " (tape name \"________ _ _____\")\n");

    const Outcome info = bkpic_run(
        {"info", q(folder / "screen.wav"), q(folder / "sprite.wav"), q(folder / "code.wav")});
    std::string files;
    for (auto at = info.out.find("file 1: "); at != std::string::npos;
         at = info.out.find("file 1: ", at + 1))
        files += info.out.substr(at, info.out.find('\n', at) - at + 1);
    EXPECT_EQ(files,
              "file 1: \"screen\", load address 040000 (0x4000), 16384 bytes, checksum right\n"
              "file 1: \"sprite\", load address 001000 (0x0200), 1024 bytes, checksum right\n"
              "file 1: \"code\", load address 001000 (0x0200), 3 bytes, checksum right\n");
}

// A .bin is drawn only when its header declares a whole screen, as info
// tells.
TEST(BkpicBin, InfoReadsTheHeaderAndRenderRefusesAnythingButAWholeScreen) {
    TempFolder folder;
    const std::string header("\x00\x40\x00\x40", 4), screen(16384, 'x');
    write_text(folder / "s.bin", header + screen);
    write_text(folder / "bad.bin", std::string("\x00\x40\x00\x04", 4) + screen);  // 1024 bytes
    write_text(folder / "long.bin", header + screen + std::string(100000 - 16388, '\0'));
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

// A tape whose checksum is wrong, one cut short and a sound that is no tape:
// render and extract refuse them with the reason and write nothing; info
// lists the file with the wrong checksum and fails on the others.
TEST(BkpicTape, ATapeThatDoesNotReadWritesNothing) {
    TempFolder folder;
    const Bytes screen(16384, 0x0F);
    const bk::tape::Header header{040000, 16384, bk::tape::name_from("pic")};
    write_bytes(folder / "sum.wav",
                bk::wav::file_bytes(bk::tape::write_samples(header, screen, 0x1234), 44100));
    Bytes cut = bk::tape::wav_bytes(header, screen);
    cut.resize(cut.size() / 2);
    write_bytes(folder / "cut.wav", cut);
    write_bytes(folder / "hum.wav", bk::wav::file_bytes(std::vector<std::int16_t>(44100), 44100));
    const std::pair<const char*, std::string> cases[] = {
        {"sum.wav",
         "\"pic\", load address 040000 (0x4000), 16384 bytes, checksum wrong (the tape says "
         "0x1234, the data add up to 0xC003)"},
        {"cut.wav", "the tape ends in the data of \"pic\", after 8087 bytes of 16384"},
        {"hum.wav", "not a BK tape: no steady pilot tone of 2048 cycles"}};
    std::filesystem::create_directory(folder / "out");
    for (const auto& [name, error] : cases) {
        for (const char* command : {"render", "extract"}) {
            const Outcome run =
                bkpic_run({command, q(folder / name), "--outdir", q(folder / "out")});
            EXPECT_EQ(run.status, bkpic::some_failed) << command;
            EXPECT_EQ(run.err, "bkpic: " + folder / name + ": " + error + "\n") << command;
        }
    }
    EXPECT_EQ(folder_names(folder / "out"), std::vector<std::string>{});
    const Outcome info = bkpic_run({"info", q(folder / "sum.wav"), q(folder / "hum.wav")});
    EXPECT_EQ(info.status, bkpic::some_failed);
    EXPECT_NE(info.out.find(folder / "sum.wav: file 1: " + cases[0].second + "\n"),
              std::string::npos)
        << info.out;
    EXPECT_EQ(info.err, "bkpic: " + folder / "hum.wav: " + cases[2].second + "\n");
}

}  // namespace
