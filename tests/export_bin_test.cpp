// File > Export_bin and Export_wav: the screen Convert writes, behind the
// header that loads it into BK screen memory or on a tape that the BK-0010's
// monitor loads there, offered only for the two screen modes.
#include <gtest/gtest.h>

#include <QMenu>
#include <filesystem>

#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

const char* const export_items[] = {"exportbin_mnu", "exportwav_mnu"};

std::vector<std::uint8_t> with_bin_header(std::vector<std::uint8_t> screen) {
    screen.insert(screen.begin(), {0x00, 0x40, 0x00, 0x40});
    return screen;
}

std::string tape_name_message(const std::string& name) {
    return "Tape name: \"" + name +
           "\". On the BK-0010, type M and Enter at the monitor's prompt, then this name exactly "
           "(letter case too) and Enter, and play the tape.";
}

TEST(ExportBin, FollowsOpenOutputCatalogAndIsOfferedForScreensOnly) {
    MainWindowRig rig;
    QStringList captions;
    for (QAction* item : rig.form->findChild<QMenu*>("file_mnu")->actions())
        captions << item->text();
    EXPECT_EQ(captions.join('|'), "Open|Output_catalog|Export_bin|Export_wav|Exit");
    rig.choose("s512_mnu");
    for (const char* item : export_items)
        EXPECT_FALSE(rig.action(item)->isEnabled()) << item;  // no picture yet
    rig.open(sample("quadrants.gif"));
    const std::pair<const char*, bool> modes[] = {
        {"s512_mnu", true}, {"s64_mnu", false}, {"s256_mnu", true}};
    for (const auto& [mode, enabled] : modes) {
        rig.choose(mode);
        for (const char* item : export_items)
            EXPECT_EQ(rig.action(item)->isEnabled(), enabled) << mode << " " << item;
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

// The monitor wants the tape's name, which a file name that is not ASCII, or
// too long, does not give away: it is shown after the file, and only when
// the file was written.
TEST(ExportWav, ShowsTheTapeNameOfAWrittenTape) {
    MainWindowRig rig(defaults_ini);
    TempFolder pictures;
    std::filesystem::copy_file(sample("testcard.bmp"), pictures / "Фото с дачи 2024-07.bmp");
    rig.open(pictures / "Фото с дачи 2024-07.bmp");
    rig.choose("exportwav_mnu");
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{
                  {"File " + rig.folder / "PIC/Фото с дачи 2024-07.wav" + " saved", "kvaro",
                   Buttons::ok, Icon::none},
                  {tape_name_message("____ _ ____ 2024"), "KVARO", Buttons::ok, Icon::none}}));
    rig.modal.messages.clear();
    rig.choose("exportwav_mnu");  // No to Rewrite?
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{
                  {"File exist. Rewrite?", "KVARO", Buttons::yes_no_default_no, Icon::question}}));
}

TEST(ExportBin, AFailedWriteHasItsOwnTitle) {
    const std::pair<const char*, const char*> items[] = {{"exportbin_mnu", "KVARO: Export_bin"},
                                                         {"exportwav_mnu", "KVARO: Export_wav"}};
    for (const auto& [item, title] : items) {
        MainWindowRig rig;
        TempFolder out;
        write_text(out / "plain", "x");
        rig.state.catalogs.set(catalogs::pic_catalog, out / "plain");
        rig.open(sample("quadrants.gif"));
        rig.choose(item);
        EXPECT_EQ(shown(rig.modal.messages),
                  (std::vector<Shown>{
                      {"Error 20: Not a directory", title, Buttons::ok, Icon::exclamation}}));
    }
}

}  // namespace
