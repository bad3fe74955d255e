// bkpic and .wav tapes: convert --wav and tape write a tape of the screen
// under the output's name; info lists it, extract gives the .bin back and
// render draws it as the .pic; a tape that does not read writes nothing.
#include "formats/tape.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "bkpic/command_line.h"
#include "formats/wav_file.h"
#include "tests/bkpic/bkpic_run.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace testing_support;
using Bytes = std::vector<std::uint8_t>;

using bkpic_testing::bkpic_run;
using bkpic_testing::Outcome;
using bkpic_testing::q;

void write_bytes(const std::string& path, const Bytes& bytes) {
    write_text(path, std::string(bytes.begin(), bytes.end()));
}

TEST(BkpicTape, ConvertWritesATapeThatGivesBackTheScreen) {
    TempFolder both, only;
    const std::string input = sample("testcard.bmp");
    const Outcome run = bkpic_run(
        {"convert", q(input), "--to", "mono", "--bin", "--wav", "--outdir", q(both.path())});
    ASSERT_EQ(run.status, bkpic::all_done) << run.err;
    EXPECT_EQ(run.out, input + " -> " + both / "testcard.pic\n" + input + " -> " +
                           both / "testcard.bin\n" + input + " -> " + both / "testcard.wav" +
                           " (tape name \"testcard\")\n");
    const Outcome wav_only =
        bkpic_run({"convert", q(input), "--to", "mono", "--wav-only", "--outdir", q(only.path())});
    ASSERT_EQ(wav_only.status, bkpic::all_done) << wav_only.err;
    EXPECT_EQ(folder_names(only.path()), std::vector<std::string>{"testcard.wav"});
    EXPECT_EQ(read_bytes(only / "testcard.wav"), read_bytes(both / "testcard.wav"));

    const Outcome info = bkpic_run({"info", q(both / "testcard.wav")});
    EXPECT_EQ(info.out, both / "testcard.wav" +
                            ": WAV sound, 44100 Hz, 16-bit mono, 113.0 s: BK tape, 1 file\n" +
                            both / "testcard.wav" +
                            ": file 1: \"testcard\", load address 040000 (0x4000), 16384 bytes, "
                            "checksum right\n");
    const Outcome extract =
        bkpic_run({"extract", q(both / "testcard.wav"), "-o", q(only / "back.bin")});
    ASSERT_EQ(extract.status, bkpic::all_done) << extract.err;
    EXPECT_EQ(read_bytes(only / "back.bin"), read_bytes(both / "testcard.bin"));
    const Outcome from_tape =
        bkpic_run({"render", q(both / "testcard.wav"), "--as", "mono", "-o", q(only / "t.bmp")});
    const Outcome from_pic =
        bkpic_run({"render", q(both / "testcard.pic"), "--as", "mono", "-o", q(only / "p.bmp")});
    ASSERT_EQ(from_tape.status + from_pic.status, bkpic::all_done) << from_tape.err;
    EXPECT_EQ(read_bytes(only / "t.bmp"), read_bytes(only / "p.bmp"));
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
    const Outcome run =
        bkpic_run({"tape", q(folder / "screen.pic"), q(folder / "sprite.BBD"),
                   q(folder / "code.bin"), q(folder / "short.bin"), q(folder / "photo.jpg")});
    EXPECT_EQ(run.status, bkpic::some_failed);
    EXPECT_EQ(run.err, "bkpic: " + folder / "short.bin" +
                           ": Not a BK file: only 1 of the 3 bytes its header declares\n"
                           "bkpic: " +
                           folder / "photo.jpg" +
                           ": not a BK file: give a .pic, .bbd, .11M or .bin file\n");
    const Outcome named = bkpic_run(
        {"tape", q(folder / "code.bin"), "-o", q(folder / "Картинка с очень длинным именем.wav")});
    EXPECT_EQ(named.out, folder / "code.bin -> " + folder / "Картинка с очень длинным именем.wav" +
                             " (tape name \"________ _ _____\")\n");

    const Outcome info = bkpic_run(
        {"info", q(folder / "screen.wav"), q(folder / "sprite.wav"), q(folder / "code.wav")});
    std::string files;
    for (std::size_t at = info.out.find("file 1: "); at != std::string::npos;
         at = info.out.find("file 1: ", at + 1))
        files += info.out.substr(at, info.out.find('\n', at) - at + 1);
    EXPECT_EQ(files,
              "file 1: \"screen\", load address 040000 (0x4000), 16384 bytes, checksum right\n"
              "file 1: \"sprite\", load address 001000 (0x0200), 1024 bytes, checksum right\n"
              "file 1: \"code\", load address 001000 (0x0200), 3 bytes, checksum right\n");
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
        const std::string path = folder / name;
        for (const char* command : {"render", "extract"}) {
            const Outcome run = bkpic_run({command, q(path), "--outdir", q(folder / "out")});
            EXPECT_EQ(run.status, bkpic::some_failed) << command;
            EXPECT_EQ(run.err, "bkpic: " + path + ": " + error + "\n") << command;
        }
        EXPECT_EQ(folder_names(folder / "out"), std::vector<std::string>{}) << name;
    }
    const Outcome info = bkpic_run({"info", q(folder / "sum.wav"), q(folder / "hum.wav")});
    EXPECT_EQ(info.status, bkpic::some_failed);
    EXPECT_NE(info.out.find(folder / "sum.wav: file 1: " + cases[0].second + "\n"),
              std::string::npos)
        << info.out;
    EXPECT_EQ(info.err, "bkpic: " + folder / "hum.wav: " + cases[2].second + "\n");
}

}  // namespace
