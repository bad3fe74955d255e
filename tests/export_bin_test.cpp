// File > Export_bin: the screen Convert writes, behind the header that loads
// it into BK screen memory, offered only for the two screen modes.
#include <gtest/gtest.h>

#include <QMenu>

#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

std::vector<std::uint8_t> with_bin_header(std::vector<std::uint8_t> screen) {
    screen.insert(screen.begin(), {0x00, 0x40, 0x00, 0x40});
    return screen;
}

TEST(ExportBin, FollowsOpenOutputCatalogAndIsOfferedForScreensOnly) {
    MainWindowRig rig;
    QStringList captions;
    for (QAction* item : rig.form->findChild<QMenu*>("file_mnu")->actions())
        captions << item->text();
    EXPECT_EQ(captions.join('|'), "Open|Output_catalog|Export_bin|Exit");
    EXPECT_FALSE(rig.action("exportbin_mnu")->isEnabled());
    rig.choose("s512_mnu");
    EXPECT_FALSE(rig.action("exportbin_mnu")->isEnabled());  // no picture yet
    rig.open(sample("quadrants.gif"));
    const std::pair<const char*, bool> modes[] = {
        {"s512_mnu", true}, {"s64_mnu", false}, {"s256_mnu", true}};
    for (const auto& [mode, enabled] : modes) {
        rig.choose(mode);
        EXPECT_EQ(rig.action("exportbin_mnu")->isEnabled(), enabled) << mode;
    }
}

struct ModeCase {
    const char* name;
    const char* mode;
    const char* convert;
};

class ExportBinWrites : public testing::TestWithParam<ModeCase> {};

TEST_P(ExportBinWrites, TheConvertedScreenBehindItsHeader) {
    const ModeCase c = GetParam();
    MainWindowRig rig(defaults_ini);
    rig.state.bw_level = 90;
    rig.state.colour_levels = {60, 200, 100};
    rig.state.swap_flags[0] = true;
    rig.choose(c.mode);
    rig.open(sample("testcard.bmp"));
    rig.choose(c.convert);
    rig.choose("exportbin_mnu");
    const std::string pic = rig.folder / "PIC/testcard.pic";
    const std::string bin = rig.folder / "PIC/testcard.bin";
    EXPECT_EQ(read_bytes(bin), with_bin_header(read_bytes(pic)));
    const Shown saved{"File " + bin + " saved", "kvaro", Buttons::ok, Icon::none};
    EXPECT_EQ(shown(rig.modal.messages).back(), saved);

    rig.modal.messages.clear();
    rig.modal.answers = {Answer::yes};
    rig.choose("exportbin_mnu");
    EXPECT_EQ(
        shown(rig.modal.messages),
        (std::vector<Shown>{
            {"File exist. Rewrite?", "KVARO", Buttons::yes_no_default_no, Icon::question}, saved}));
}

INSTANTIATE_TEST_SUITE_P(Screens, ExportBinWrites,
                         testing::Values(ModeCase{"Mono", "s512_mnu", "convbw_mnu"},
                                         ModeCase{"Colour", "s256_mnu", "convcol_mnu"}),
                         [](const testing::TestParamInfo<ModeCase>& info) {
                             return info.param.name;
                         });

TEST(ExportBin, AFailedWriteHasItsOwnTitle) {
    MainWindowRig rig;
    TempFolder out;
    write_text(out / "plain", "x");
    rig.state.catalogs.set(catalogs::pic_catalog, out / "plain");
    rig.open(sample("quadrants.gif"));
    rig.choose("exportbin_mnu");
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"Error 20: Not a directory", "KVARO: Export_bin", Buttons::ok,
                                   Icon::exclamation}}));
}

}  // namespace
