// View and Convert in the 11M window: what the area shows and the 11M files
// a conversion writes, with the messages it shows.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/m11_file.h"
#include "tests/m11/m11_window_rig.h"

namespace {

using namespace testing_support;
using platform::Buttons;
using platform::Icon;
using Bytes = std::vector<std::uint8_t>;

Bytes with_header(int line_width, int line_count, Bytes data) {
    const auto header = bk::m11::header_bytes({line_width, line_count});
    data.insert(data.begin(), header.begin(), header.end());
    return data;
}

// The monochrome 11M file of the top-left `width` x `height` of a picture,
// black beyond it, packed by hand: pixel x of row y is bit x % 8 of byte
// y * width / 8 + x / 8.
Bytes mono_file(const QImage& picture, int width, int height, int level) {
    const int line = width / 8;
    Bytes data(static_cast<std::size_t>(line) * height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (picture.valid(x, y) && packed(picture.pixel(x, y)) > level * 65793) {
                data[y * line + x / 8] |= 1 << (x % 8);
            }
        }
    }
    return with_header(line, height, data);
}

// quadrants.gif (red, green / blue, black quadrants of 32 pixels) at the
// top-left of a 256 x 256 four-colour area, the rest black.
Bytes quadrant_file(std::uint8_t top_left) {
    Bytes data(64 * 256, 0);
    for (int y = 0; y < 64; ++y) {
        for (int i = 0; i < 8; ++i) {
            data[y * 64 + i] = y < 32 ? top_left : 0x55;
            data[y * 64 + 8 + i] = y < 32 ? 0xAA : 0x00;
        }
    }
    return with_header(64, 256, data);
}

Shown saved(const std::string& path) {
    return {"File " + path + " saved", "kvaro", Buttons::ok, Icon::none};
}

// The 11M window with a copy of a sample opened from its own folder.
struct PictureRig : M11Rig {
    explicit PictureRig(const char* name) {
        std::filesystem::copy_file(sample(name), pictures / name);
        open(pictures / name);
        source.load(QString::fromStdString(sample(name)));
        modal.messages.clear();
    }
    std::string output(const std::string& name) const { return folder / ("11M/" + name); }
    TempFolder pictures;
    QImage source;
};

TEST(M11ConvertMono, WritesTheAreasWholeBytesInto11mCatalogAndReplacesThemOnlyOnYes) {
    PictureRig rig("testcard.bmp");
    rig.click("Command4");  // 260, four more than a multiple of 8
    rig.choose("mono_col_mnu");
    rig.state.bw_level = 90;
    rig.choose("convbw_mnu");
    const std::string path = rig.output("testcard.11M");
    const Bytes at_90 = mono_file(rig.source, 256, 256, 90);
    EXPECT_EQ(read_bytes(path), at_90);
    EXPECT_EQ(folder_names(rig.pictures.path()), std::vector<std::string>{"testcard.bmp"});
    rig.state.bw_level = 128;
    rig.modal.answers = {platform::Answer::no, platform::Answer::yes};
    rig.choose("convbw_mnu");
    EXPECT_EQ(read_bytes(path), at_90);
    rig.choose("convbw_mnu");
    EXPECT_EQ(read_bytes(path), mono_file(rig.source, 256, 256, 128));
    const Shown question{"File exist. Rewrite?", "KVARO", Buttons::yes_no_default_no,
                         Icon::question};
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{saved(path), question, question, saved(path)}));
    EXPECT_EQ(folder_names(rig.folder / "11M"), std::vector<std::string>{"testcard.11M"});
    for (int y = 0; y < 256; ++y) {
        for (int x = 256; x < 260; ++x) {  // not converted, not drawn
            ASSERT_EQ(rig.picture().pixel(x, y), packed(rig.source.pixel(x, y))) << x << "," << y;
        }
    }
}

TEST(M11ConvertMono, LargestAreaFillsTheBudgetAndFourColourShrinksIt) {
    PictureRig rig("testcard.bmp");
    rig.choose("mono_col_mnu");
    rig.click("Check1");
    rig.click("Command4", 8);
    rig.click("Check2");
    EXPECT_EQ(rig.label_text(6) + " " + rig.label_text(8), "4 16");
    rig.click("Command3", 31);
    rig.click("Check2");
    rig.click("Command3", 16);  // the last press is refused
    rig.expect_laid_out({512, 767}, 512 + 45);
    rig.choose("convbw_mnu");
    EXPECT_EQ(read_bytes(rig.output("testcard.11M")), mono_file(rig.source, 512, 767, 128));
    rig.choose("mono_col_mnu");
    rig.expect_laid_out({276, 708}, 276 + 45);
}

TEST(M11ConvertFailure, IsReportedWithTheCommandsTitle) {
    for (const auto& [item, title] : {std::pair{"convbw_mnu", "KVARO [11M]: Convbw"},
                                      std::pair{"convcol_mnu", "KVARO [11M]: Convcol"}}) {
        PictureRig rig("quadrants.gif");
        if (item == std::string("convbw_mnu")) rig.choose("mono_col_mnu");
        write_text(rig.folder / "plain", "x");
        rig.state.catalogs.set(catalogs::m11_catalog, rig.folder / "plain");
        rig.choose(item);
        EXPECT_EQ(shown(rig.modal.messages),
                  (std::vector<Shown>{
                      {"Error 20: Not a directory", title, Buttons::ok, Icon::exclamation}}));
        EXPECT_EQ(read_text(rig.folder / "plain"), "x");
    }
}

TEST(M11ConvertColour, OnlyTheSwapsAmongColoursAct) {
    PictureRig rig("quadrants.gif");
    for (int flag : {3, 6, 9, 10}) rig.state.swap_flags[flag - 1] = true;
    rig.choose("convcol_mnu");
    const std::string path = rig.output("quadrants.11M");
    EXPECT_EQ(read_bytes(path), quadrant_file(0xFF));
    EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{saved(path)});

    rig.state.swap_flags[0] = true;  // red becomes green
    rig.modal.answers = {platform::Answer::yes};
    rig.choose("convcol_mnu");
    EXPECT_EQ(read_bytes(path), quadrant_file(0xAA));
    EXPECT_EQ(rig.picture().pixel(0, 0), packed(qRgb(0, 255, 0)));
}

TEST(M11ViewColour, StartsFromThePictureEachTime) {
    PictureRig rig("testcard.bmp");
    rig.state.colour_levels = {200, 200, 200};
    rig.choose("vcol_mnu");
    rig.state.colour_levels = {};
    rig.choose("vcol_mnu");
    for (int y = 0; y < 256; y += 5) {
        for (int x = 0; x < 256; x += 5) {
            const auto index = converter::colour_index(packed(rig.source.pixel(x, y)), {}, {});
            ASSERT_EQ(rig.picture().pixel(x, y), bk::drawn_colour(index)) << x << "," << y;
        }
    }
    EXPECT_TRUE(rig.modal.messages.empty());
}

}  // namespace
