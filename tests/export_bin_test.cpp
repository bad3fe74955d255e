// File > Export_bin and Export_wav: the screen Convert writes, behind the
// header that loads it into BK screen memory or on a tape that the BK-0010's
// monitor loads there, offered only for the two screen modes.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;
using platform::Buttons;
using platform::Icon;

const Shown rewrite{"File exist. Rewrite?", "KVARO", Buttons::yes_no_default_no, Icon::question};

TEST(ExportBin, IsOfferedForThePicturesOfTheScreenModesOnly) {
    MainWindowRig rig;
    rig.choose("s512_mnu");
    const auto offered = [&] {
        return std::pair(rig.action("exportbin_mnu")->isEnabled(),
                         rig.action("exportwav_mnu")->isEnabled());
    };
    EXPECT_EQ(offered(), std::pair(false, false));  // no picture yet
    rig.open(sample("quadrants.gif"));
    for (const auto& [mode, enabled] :
         {std::pair("s512_mnu", true), std::pair("s64_mnu", false), std::pair("s256_mnu", true)}) {
        rig.choose(mode);
        EXPECT_EQ(offered(), std::pair(enabled, enabled)) << mode;
    }
}

// Mono, then colour: the converted screen behind its header, asking before
// it replaces the file.
TEST(ExportBin, WritesTheConvertedScreenBehindItsHeader) {
    for (const auto& [mode, convert] :
         {std::pair("s512_mnu", "convbw_mnu"), std::pair("s256_mnu", "convcol_mnu")}) {
        MainWindowRig rig(defaults_ini);
        rig.state.bw_level = 90;
        rig.state.colour_levels = {60, 200, 100};
        rig.state.swap_flags[0] = true;
        rig.choose(mode);
        rig.open(sample("testcard.bmp"));
        rig.choose(convert);
        rig.choose("exportbin_mnu");
        std::vector<std::uint8_t> expected = read_bytes(rig.folder / "PIC/testcard.pic");
        expected.insert(expected.begin(), {0x00, 0x40, 0x00, 0x40});
        const std::string bin = rig.folder / "PIC/testcard.bin";
        EXPECT_EQ(read_bytes(bin), expected) << mode;
        EXPECT_EQ(shown(rig.modal.messages).back(),
                  (Shown{"File " + bin + " saved", "kvaro", Buttons::ok, Icon::none}));
        rig.modal.messages.clear();
        rig.choose("exportbin_mnu");  // No to Rewrite?
        EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{rewrite});
    }
}

// The monitor wants the tape's name, which a file name that is not ASCII, or
// too long, does not give away: it is shown after the file, and only when
// the file was written.
TEST(ExportWav, ShowsTheTapeNameOfAWrittenTape) {
    MainWindowRig rig(defaults_ini);
    std::filesystem::copy_file(sample("testcard.bmp"), rig.folder / "Фото с дачи 2024-07.bmp");
    rig.open(rig.folder / "Фото с дачи 2024-07.bmp");
    rig.choose("exportwav_mnu");
    rig.choose("exportwav_mnu");  // No to Rewrite?
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{
                  {"File " + rig.folder / "PIC/Фото с дачи 2024-07.wav" + " saved", "kvaro",
                   Buttons::ok, Icon::none},
                  {"Tape name: \"____ _ ____ 2024\". On the BK-0010, type M and Enter at the "
                   "monitor's prompt, then this name exactly (letter case too) and Enter, and "
                   "play the tape.",
                   "KVARO", Buttons::ok, Icon::none},
                  rewrite}));
}

}  // namespace
