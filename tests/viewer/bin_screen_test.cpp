// A .bin screen or a .wav tape exported by the converter opens in the viewer
// as the .pic of the same conversion does; other .bin files, and tapes that
// do not read or hold no screen, are refused and change nothing.
#include <gtest/gtest.h>

#include <QImage>

#include "formats/tape.h"
#include "tests/viewer/viewer_rig.h"

namespace {

using namespace viewer_testing;
using platform::Buttons;
using platform::Icon;

struct ScreenCase {
    const char* name;
    const char* converter_mode;
    const char* convert;
    const char* viewer_mode;
};

class BinRoundTrip : public testing::TestWithParam<ScreenCase> {};

TEST_P(BinRoundTrip, TheViewerDrawsTheBinAndTheTapeAsThePic) {
    const ScreenCase c = GetParam();
    MainWindowRig kvaro(defaults_ini);
    kvaro.choose(c.converter_mode);
    kvaro.open(sample("testcard.bmp"));
    kvaro.choose(c.convert);
    kvaro.choose("exportbin_mnu");
    kvaro.choose("exportwav_mnu");

    ViewerRig orvak(viewer_defaults_ini);
    orvak.choose(c.viewer_mode);
    orvak.open(kvaro.folder / "PIC/testcard.pic");
    const QImage from_pic = orvak.picture().image().copy();
    for (const char* exported : {"PIC/testcard.bin", "PIC/testcard.wav"}) {
        orvak.state.maps.colour = {white, white, white, white};  // a stale drawing would show
        orvak.state.maps.mono = {white, white};
        orvak.choose("rdraw_mnu");
        orvak.state.maps = viewer::ColourMaps{};
        orvak.open(kvaro.folder / exported);
        EXPECT_TRUE(orvak.modal.messages.empty()) << exported;
        EXPECT_EQ(orvak.picture().image(), from_pic) << exported;
        EXPECT_EQ(orvak.form->file_name(), kvaro.folder / exported);
        EXPECT_FALSE(orvak.form->short_file()) << exported;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, BinRoundTrip,
    testing::Values(ScreenCase{"Mono", "s512_mnu", "convbw_mnu", "sbk512_mnu"},
                    ScreenCase{"Colour", "s256_mnu", "convcol_mnu", "sbk256_mnu"}),
    [](const testing::TestParamInfo<ScreenCase>& info) { return info.param.name; });

TEST(BinScreen, OtherBinFilesAndTheSpriteModeAreRefused) {
    ViewerRig rig(viewer_defaults_ini);
    const std::string first = rig.open_bytes("first.pic", std::string(16384, '\xE4'));
    const QImage before = rig.picture().image().copy();
    const std::string screen(16384, '\x55');
    const std::pair<std::string, std::string> cases[] = {
        {std::string("\x00\x02\x00\x40", 4) + screen,
         "Not a BK screen file: load address 001000 (0x0200), not the screen's 040000 "
         "(0x4000)."},
        {std::string("\x00\x40\x00\x40", 4) + screen + "\x01",
         "Not a BK screen file: 1 byte more than the 16384 bytes its header declares."},
        {std::string("\x00\x40\x00\x40", 4) + screen + std::string(50000, '\x01'),
         "Not a BK screen file: 50000 bytes more than the 16384 bytes its header declares."}};
    for (const auto& [bytes, text] : cases) {
        rig.modal.messages.clear();
        rig.open_bytes("other.BIN", bytes);
        EXPECT_EQ(shown(rig.modal.messages),
                  (std::vector<Shown>{{text, "ORVAK: Open", Buttons::ok, Icon::exclamation}}));
        EXPECT_EQ(rig.form->file_name(), first);
        EXPECT_EQ(rig.picture().image(), before);
    }

    rig.choose("sbk64_mnu");
    const QImage sprite_before = rig.picture().image().copy();
    rig.modal.messages.clear();
    rig.open_bytes("screen.bin", std::string("\x00\x40\x00\x40", 4) + screen);
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"A BIN file holds a whole screen: open it in color256x256 or "
                                   "mono512x256.",
                                   "ORVAK: Open", Buttons::ok, Icon::exclamation}}));
    EXPECT_EQ(rig.form->file_name(), first);
    EXPECT_EQ(rig.picture().image(), sprite_before);
}

// Tapes that do not read whole, or hold no screen, are refused in the words
// of the reader that found it, titled as Open's failures, and change nothing;
// color64x64 refuses even a good one.
TEST(TapeScreen, ATapeThatGivesNoScreenIsRefused) {
    namespace tape = bk::tape;
    ViewerRig rig(viewer_defaults_ini);
    const std::string first = rig.open_bytes("first.pic", std::string(16384, '\xE4'));
    const std::vector<std::uint8_t> screen(16384, 0x0F);
    const tape::Header header{040000, 16384, tape::name_from("pic")};
    std::vector<std::uint8_t> cut = tape::wav_bytes(header, screen);
    cut.resize(cut.size() / 2);
    const std::tuple<const char*, const char*, std::vector<std::uint8_t>, std::string> cases[] = {
        {"sbk256_mnu", "sum.wav",
         bk::wav::file_bytes(tape::write_samples(header, screen, 0x1234), 44100),
         "\"pic\", load address 040000 (0x4000), 16384 bytes, checksum wrong (the tape says "
         "0x1234, the data add up to 0xC003)."},
        {"sbk512_mnu", "cut.wav", cut,
         "The tape ends in the data of \"pic\", after 8087 bytes of 16384."},
        {"sbk256_mnu", "hum.WAV", bk::wav::file_bytes(std::vector<std::int16_t>(44100), 44100),
         "Not a BK tape: no steady pilot tone of 2048 cycles."},
        {"sbk256_mnu",
         "text.wav",
         {'n', 'o', 't', 'e', 's'},
         "Not a WAV file: no RIFF WAVE header."},
        {"sbk256_mnu", "sprite.wav",
         tape::wav_bytes({01000, 1024, tape::name_from("bbd")}, std::vector<std::uint8_t>(1024)),
         "Not a BK screen file: load address 001000 (0x0200), not the screen's 040000 (0x4000)."},
        {"sbk64_mnu", "screen.wav", tape::wav_bytes(header, screen),
         "A tape holds a whole screen: open it in color256x256 or mono512x256."}};
    for (const auto& [mode, name, bytes, text] : cases) {
        rig.choose(mode);
        const QImage before = rig.picture().image().copy();
        rig.modal.messages.clear();
        rig.open_bytes(name, std::string(bytes.begin(), bytes.end()));
        EXPECT_EQ(shown(rig.modal.messages),
                  (std::vector<Shown>{{text, "ORVAK: Open", Buttons::ok, Icon::exclamation}}));
        EXPECT_EQ(rig.form->file_name(), first);
        EXPECT_EQ(rig.picture().image(), before) << name;
    }
}

}  // namespace
