// View and Convert in the main window: what the picture window shows after
// a view, and the bytes, folders and messages a conversion or an export leaves.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include "engine/rules.h"
#include "formats/bk_screen.h"
#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;
using platform::Buttons;
using platform::Icon;

bool white_at(QRgb rgb, int level) {
    return packed(rgb) > level * 65793;
}

// The monochrome screen of a 512 x 256 picture at a level, packed by hand:
// pixel x of row y is bit x % 8 of byte y * 64 + x / 8.
std::vector<std::uint8_t> mono_screen(const QImage& picture, int level) {
    std::vector<std::uint8_t> bytes(16384, 0);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 512; ++x) {
            if (white_at(picture.pixel(x, y), level)) bytes[y * 64 + x / 8] |= 1 << (x % 8);
        }
    }
    return bytes;
}

// The main window in mono512x256 with a copy of testcard.bmp opened from
// its own folder.
struct MonoRig : MainWindowRig {
    MonoRig() {
        std::filesystem::copy_file(sample("testcard.bmp"), pictures / "testcard.bmp");
        choose("s512_mnu");
        open(pictures / "testcard.bmp");
        source.load(QString::fromStdString(sample("testcard.bmp")));
        modal.messages.clear();
    }
    // Each shown pixel against the colour `expected` gives its source pixel;
    // the colours shown.
    std::set<std::int32_t> expect_each_pixel(const std::function<std::int32_t(QRgb)>& expected) {
        std::set<std::int32_t> colours;
        for (int y = 0; y < picture().pixel_height(); ++y) {
            for (int x = 0; x < picture().pixel_width(); ++x) {
                colours.insert(picture().pixel(x, y));
                if (picture().pixel(x, y) != expected(source.pixel(x, y))) {
                    ADD_FAILURE() << "at " << x << "," << y;
                    return colours;
                }
            }
        }
        return colours;
    }
    TempFolder pictures;
    TempFolder out;
    QImage source;
};

Shown saved(const std::string& path) {
    return {"File " + path + " saved", "kvaro", Buttons::ok, Icon::none};
}

// Each view is drawn afresh from the picture, not from the last view.
TEST(View, EveryPixelFollowsItsRuleWithTheLevelsAndFlagsOfTheMoment) {
    MonoRig rig;
    rig.state.bw_level = 200;
    rig.choose("vm_mnu");
    rig.state.bw_level = 50;
    rig.choose("vm_mnu");
    EXPECT_EQ(rig.expect_each_pixel([](QRgb rgb) { return white_at(rgb, 50) ? 16777215 : 0; }),
              (std::set<std::int32_t>{0, 16777215}));

    rig.choose("s256_mnu");  // testcard.bmp covers the whole 256 x 256 window too
    rig.choose("vcol_mnu");
    rig.state.colour_levels = {100, 150, 60};
    rig.state.swap_flags[1] = true;   // red becomes blue
    rig.state.swap_flags[11] = true;  // black becomes blue
    rig.choose("vcol_mnu");
    EXPECT_EQ(rig.expect_each_pixel([&](QRgb rgb) {
        return bk::drawn_colour(
            converter::colour_index(packed(rgb), rig.state.colour_levels, rig.state.swap_flags));
    }),
              (std::set<std::int32_t>{bk::drawn_colour(bk::blue), bk::drawn_colour(bk::green)}));
}

TEST(ConvertMono, WritesBesideThePictureOrIntoItsCatalogMadeWhenMissing) {
    MonoRig rig;
    rig.state.bw_level = 200;
    rig.choose("vm_mnu");
    rig.state.bw_level = 90;
    rig.choose("convbw_mnu");
    const std::string beside = rig.pictures / "testcard.pic";
    EXPECT_EQ(read_bytes(beside), mono_screen(rig.source, 90));
    EXPECT_TRUE(std::filesystem::is_empty(rig.folder.path()));
    const std::string in_catalog = rig.out / "PICS/testcard.pic";
    rig.state.catalogs.set(catalogs::pic_catalog, rig.out / "PICS");
    rig.choose("convbw_mnu");
    EXPECT_EQ(read_bytes(in_catalog), read_bytes(beside));
    EXPECT_EQ(shown(rig.modal.messages), (std::vector<Shown>{saved(beside), saved(in_catalog)}));
}

TEST(ConvertMono, ExistingFileIsReplacedOnlyOnYes) {
    MonoRig rig;
    rig.state.catalogs.set(catalogs::pic_catalog, rig.out.path());
    const std::string path = rig.out / "testcard.pic";
    write_text(path, "old");
    const Shown question{"File exist. Rewrite?", "KVARO", Buttons::yes_no_default_no,
                         Icon::question};
    rig.modal.answers = {platform::Answer::no, platform::Answer::yes};
    rig.choose("convbw_mnu");
    EXPECT_EQ(read_text(path), "old");
    rig.choose("convbw_mnu");
    EXPECT_EQ(read_bytes(path), mono_screen(rig.source, 128));
    EXPECT_EQ(shown(rig.modal.messages), (std::vector<Shown>{question, question, saved(path)}));
    EXPECT_EQ(folder_names(rig.out.path()), std::vector<std::string>{"testcard.pic"});
}

TEST(ConvertFailure, IsShownUnderTheCommandsTitleAndLeavesNothing) {
    // window mode, command, PIC catalog, message, title
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"s512_mnu", "convbw_mnu", "no/such", "Error 2: No such file or directory",
         "KVARO : creatcatalog"},
        {"s512_mnu", "convbw_mnu", "plain", "Error 20: Not a directory", "KVARO: Convbw"},
        {"s256_mnu", "convcol_mnu", "plain", "Error 20: Not a directory", "KVARO: Convcol"},
        {"s256_mnu", "exportbin_mnu", "plain", "Error 20: Not a directory", "KVARO: Export_bin"},
        {"s512_mnu", "exportwav_mnu", "plain", "Error 20: Not a directory", "KVARO: Export_wav"}};
    for (const auto& [mode, item, catalog, text, title] : cases) {
        MonoRig rig;
        write_text(rig.out / "plain", "x");
        rig.state.catalogs.set(catalogs::pic_catalog, rig.out / catalog);
        rig.choose(mode);
        rig.choose(item);
        EXPECT_EQ(shown(rig.modal.messages),
                  (std::vector<Shown>{{text, title, Buttons::ok, Icon::exclamation}}))
            << item;
        EXPECT_EQ(read_text(rig.out / "plain"), "x");
        EXPECT_EQ(folder_names(rig.out.path()), std::vector<std::string>{"plain"});
        EXPECT_EQ(folder_names(rig.pictures.path()), std::vector<std::string>{"testcard.bmp"});
    }
}

TEST(ConvertColour, SpriteGoesToTheBbdCatalogAndTheFullWindowToThePicCatalog) {
    // window mode, file written, its size; SameAsWindows compares the bytes
    const std::tuple<const char*, std::string, std::size_t> cases[] = {
        {"s64_mnu", "BBD/quadrants.bbd", 1024}, {"s256_mnu", "PIC/quadrants.pic", 16384}};
    for (const auto& [mode, file, size] : cases) {
        MainWindowRig rig;
        TempFolder out;
        rig.state.catalogs.set(catalogs::bbd_catalog, out / "BBD");
        rig.state.catalogs.set(catalogs::pic_catalog, out / "PIC");
        rig.choose(mode);
        rig.open(sample("quadrants.gif"));
        rig.choose("convcol_mnu");
        EXPECT_EQ(read_bytes(out / file).size(), size) << file;
        EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{saved(out / file)});
        EXPECT_EQ(folder_names(out.path()), std::vector<std::string>{file.substr(0, 3)});
    }
}

}  // namespace
