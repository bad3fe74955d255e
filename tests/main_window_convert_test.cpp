// View and Convert in the main window: what the picture window shows after
// a view, and the bytes, folders and messages a conversion leaves.
#include <gtest/gtest.h>

#include <filesystem>
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

// The four-colour screen of quadrants.gif drawn at the window's top-left:
// 16 bytes per 64 pixels, `row_bytes` per row, `rows` rows.
std::vector<std::uint8_t> quadrant_screen(int row_bytes, int rows, std::uint8_t top_left,
                                          std::uint8_t top_right, std::uint8_t bottom_left) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(row_bytes) * rows, 0);
    for (int y = 0; y < 64; ++y) {
        for (int i = 0; i < 8; ++i) {
            bytes[y * row_bytes + i] = y < 32 ? top_left : bottom_left;
            bytes[y * row_bytes + 8 + i] = y < 32 ? top_right : 0x00;
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
    TempFolder pictures;
    TempFolder out;
    QImage source;
};

Shown saved(const std::string& path) {
    return {"File " + path + " saved", "kvaro", Buttons::ok, Icon::none};
}

TEST(ViewMono, EveryPixelFollowsTheLevelRuleOnTheSource) {
    MonoRig rig;
    ASSERT_EQ(rig.source.size(), QSize(512, 256));
    rig.state.bw_level = 200;
    rig.choose("vm_mnu");
    rig.state.bw_level = 50;
    rig.choose("vm_mnu");  // drawn afresh from the picture, not from the last view
    const QImage first = rig.picture().image().copy();
    int whites = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 512; ++x) {
            const bool white = white_at(rig.source.pixel(x, y), 50);
            whites += white;
            ASSERT_EQ(rig.picture().pixel(x, y), white ? 16777215 : 0) << x << "," << y;
        }
    }
    EXPECT_GT(whites, 0);
    EXPECT_LT(whites, 512 * 256);
    rig.choose("vm_mnu");
    EXPECT_EQ(rig.picture().image(), first);
}

TEST(ViewColour, EveryPixelTakesItsColourRuleWithTheLevelsAndFlagsOfTheMoment) {
    MonoRig rig;  // testcard.bmp covers the whole 256 x 256 window too
    rig.choose("s256_mnu");
    rig.choose("vcol_mnu");
    rig.state.colour_levels = {100, 150, 60};
    rig.state.swap_flags[1] = true;   // red becomes blue
    rig.state.swap_flags[11] = true;  // black becomes blue
    rig.choose("vcol_mnu");           // drawn afresh from the picture, not from the last view
    std::set<std::int32_t> colours;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const auto index = converter::colour_index(
                packed(rig.source.pixel(x, y)), rig.state.colour_levels, rig.state.swap_flags);
            colours.insert(rig.picture().pixel(x, y));
            ASSERT_EQ(rig.picture().pixel(x, y), bk::drawn_colour(index)) << x << "," << y;
        }
    }
    EXPECT_EQ(colours,
              (std::set<std::int32_t>{bk::drawn_colour(bk::blue), bk::drawn_colour(bk::green)}));
}

TEST(ConvertMono, WithoutCatalogWritesBesideThePicture) {
    MonoRig rig;
    rig.state.bw_level = 200;
    rig.choose("vm_mnu");
    rig.state.bw_level = 90;
    rig.choose("convbw_mnu");
    const std::string path = rig.pictures / "testcard.pic";
    EXPECT_EQ(read_bytes(path), mono_screen(rig.source, 90));
    EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{saved(path)});
    EXPECT_TRUE(std::filesystem::is_empty(rig.folder.path()));
}

TEST(ConvertMono, MissingCatalogFolderIsCreated) {
    MonoRig rig;
    const std::string catalog = rig.out / "PICS";
    rig.state.catalogs.set(catalogs::pic_catalog, catalog);
    rig.choose("convbw_mnu");
    EXPECT_EQ(read_bytes(catalog + "/testcard.pic"), mono_screen(rig.source, 128));
    EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{saved(catalog + "/testcard.pic")});
    EXPECT_EQ(folder_names(rig.pictures.path()), std::vector<std::string>{"testcard.bmp"});
}

TEST(ConvertMono, ExistingFileIsReplacedOnlyOnYes) {
    MonoRig rig;
    rig.state.catalogs.set(catalogs::pic_catalog, rig.out.path());
    const std::string path = rig.out / "testcard.pic";
    write_text(path, "old");
    const Shown question{"File exist. Rewrite?", "KVARO", Buttons::yes_no_default_no,
                         Icon::question};

    rig.modal.answers = {platform::Answer::no};
    rig.choose("convbw_mnu");
    EXPECT_EQ(read_text(path), "old");
    EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{question});

    rig.modal.messages.clear();
    rig.modal.answers = {platform::Answer::yes};
    rig.choose("convbw_mnu");
    EXPECT_EQ(read_bytes(path), mono_screen(rig.source, 128));
    EXPECT_EQ(shown(rig.modal.messages), (std::vector<Shown>{question, saved(path)}));
    EXPECT_EQ(folder_names(rig.out.path()), std::vector<std::string>{"testcard.pic"});
}

TEST(ConvertMono, CatalogWhoseParentIsMissingStopsTheCommand) {
    MonoRig rig;
    rig.state.catalogs.set(catalogs::pic_catalog, rig.out / "no/such");
    rig.choose("convbw_mnu");
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"Error 2: No such file or directory", "KVARO : creatcatalog",
                                   Buttons::ok, Icon::exclamation}}));
    EXPECT_TRUE(std::filesystem::is_empty(rig.out.path()));
    EXPECT_EQ(folder_names(rig.pictures.path()), std::vector<std::string>{"testcard.bmp"});
}

TEST(ConvertMono, UnwritableCatalogIsReportedAndLeavesNothing) {
    MonoRig rig;
    const std::string not_folder = rig.out / "plain";
    write_text(not_folder, "x");
    rig.state.catalogs.set(catalogs::pic_catalog, not_folder);
    rig.choose("convbw_mnu");
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{
                  {"Error 20: Not a directory", "KVARO: Convbw", Buttons::ok, Icon::exclamation}}));
    EXPECT_EQ(read_text(not_folder), "x");
    EXPECT_EQ(folder_names(rig.out.path()), std::vector<std::string>{"plain"});
    EXPECT_EQ(folder_names(rig.pictures.path()), std::vector<std::string>{"testcard.bmp"});
}

// The main window in `mode` with quadrants.gif, each catalog its own folder.
struct ColourRig : MainWindowRig {
    explicit ColourRig(const char* mode) {
        state.catalogs.set(catalogs::bbd_catalog, out / "BBD");
        state.catalogs.set(catalogs::pic_catalog, out / "PIC");
        choose(mode);
        open(sample("quadrants.gif"));
    }
    TempFolder out;
};

TEST(ConvertColour, SpriteGoesToTheBbdCatalogAndFollowsTheSwapFlags) {
    ColourRig rig("s64_mnu");
    rig.choose("convcol_mnu");
    const std::string path = rig.out / "BBD/quadrants.bbd";
    EXPECT_EQ(read_bytes(path), quadrant_screen(16, 64, 0xFF, 0xAA, 0x55));
    EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{saved(path)});
    EXPECT_EQ(folder_names(rig.out.path()), std::vector<std::string>{"BBD"});

    rig.state.swap_flags[0] = true;  // red becomes green
    rig.modal.answers = {platform::Answer::yes};
    rig.choose("convcol_mnu");
    EXPECT_EQ(read_bytes(path), quadrant_screen(16, 64, 0xAA, 0xAA, 0x55));
}

TEST(ConvertColour, FullWindowGoesToThePicCatalog) {
    ColourRig rig("s256_mnu");
    rig.choose("convcol_mnu");
    EXPECT_EQ(read_bytes(rig.out / "PIC/quadrants.pic"),
              quadrant_screen(64, 256, 0xFF, 0xAA, 0x55));
    EXPECT_EQ(folder_names(rig.out.path()), std::vector<std::string>{"PIC"});
}

TEST(ConvertColour, WriteFailureHasItsOwnTitle) {
    ColourRig rig("s256_mnu");
    write_text(rig.out / "plain", "x");
    rig.state.catalogs.set(catalogs::pic_catalog, rig.out / "plain");
    rig.choose("convcol_mnu");
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"Error 20: Not a directory", "KVARO: Convcol", Buttons::ok,
                                   Icon::exclamation}}));
    EXPECT_EQ(folder_names(rig.out.path()), std::vector<std::string>{"plain"});
}

}  // namespace
