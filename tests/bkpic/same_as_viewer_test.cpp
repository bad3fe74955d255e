// bkpic render, run as a program of its own, writes exactly the BMP that the
// viewer's Save writes for the same file, window mode and colour maps.
#include <gtest/gtest.h>

#include <QImageReader>
#include <filesystem>
#include <sstream>

#include "bkpic/command_line.h"
#include "formats/bk_screen.h"
#include "formats/m11_file.h"
#include "tests/bkpic/bkpic_process.h"
#include "tests/bkpic/bkpic_run.h"
#include "tests/support/param_names.h"
#include "tests/viewer/viewer_rig.h"
#include "viewer/m11_window.h"

namespace {

using namespace viewer_testing;
using bkpic_testing::q;
using Bytes = std::vector<std::uint8_t>;

struct Drawing {
    const char* mode_item;  // the viewer's window mode
    const char* as;         // bkpic's --as, or "" to let the extension decide
    const char* file_name;
    std::size_t size;     // bytes of the file, cut from a varied screen
    const char* colours;  // --colors
    const char* mono_colours;
};

// Bytes that use every BK colour index and bit pattern.
Bytes varied_bytes(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = std::uint8_t(i * 37 + i / 64);
    return bytes;
}

std::vector<std::int32_t> packed_colours(const char* names) {
    static const std::map<std::string, std::int32_t> known{
        {"white", white},   {"navy", 8388608},   {"orange", 33023}, {"black", black},
        {"#00ff00", green}, {"purple", 8388736}, {"yellow", 65535}, {"red", red}};
    std::vector<std::int32_t> colours;
    for (const QString& name : QString(names).split(','))
        colours.push_back(known.at(name.toStdString()));
    return colours;
}

Bytes saved_by_viewer(const Drawing& d, const std::string& file) {
    ViewerRig rig;
    const auto colours = packed_colours(d.colours);
    const auto mono = packed_colours(d.mono_colours);
    std::copy(colours.begin(), colours.end(), rig.state.maps.colour.begin());
    std::copy(mono.begin(), mono.end(), rig.state.maps.mono.begin());
    rig.choose(d.mode_item);
    rig.open(file);
    rig.choose("savebmp_mnu");
    const std::string saved = file.substr(0, file.size() - 4) + ".bmp";
    Bytes bytes = read_bytes(saved);
    std::filesystem::remove(saved);
    return bytes;
}

void PrintTo(const Drawing& d, std::ostream* os) {
    *os << d.mode_item << " " << d.as << " " << d.file_name;
}

class SameAsViewer : public testing::TestWithParam<Drawing> {};

TEST_P(SameAsViewer, WritesTheViewersBmp) {
    const Drawing& d = GetParam();
    TempFolder folder;
    const std::string file = folder / d.file_name;
    const Bytes content = varied_bytes(d.size);
    write_text(file, std::string(content.begin(), content.end()));
    const Bytes by_viewer = saved_by_viewer(d, file);
    ASSERT_FALSE(by_viewer.empty());

    QStringList args{"render",
                     QString::fromStdString(file),
                     "-o",
                     QString::fromStdString(folder / "bkpic.bmp"),
                     "--colors",
                     d.colours,
                     "--mono-colors",
                     d.mono_colours};
    if (*d.as) args << "--as" << d.as;
    const auto run = bkpic_testing::run_bkpic(args);
    EXPECT_EQ(run.status, bkpic::all_done) << run.err;
    EXPECT_EQ(read_bytes(folder / "bkpic.bmp"), by_viewer);
}

INSTANTIATE_TEST_SUITE_P(Screens, SameAsViewer,
                         testing::Values(Drawing{"sbk256_mnu", "", "screen.pic", 16384,
                                                 "white,navy,orange,black", "black,white"},
                                         Drawing{"sbk512_mnu", "mono", "screen.pic", 16384,
                                                 "black,navy,#00ff00,red", "purple,yellow"},
                                         Drawing{"sbk64_mnu", "", "sprite.bbd", 1024,
                                                 "yellow,red,navy,white", "black,white"},
                                         Drawing{"sbk64_mnu", "sprite", "sprite.pic", 700,
                                                 "black,navy,#00ff00,red", "black,white"},
                                         Drawing{"sbk256_mnu", "color", "short.bbd", 5000,
                                                 "orange,purple,white,black", "black,white"}),
                         testing_support::printed_name);

// The 11M window: the picture sized by the header, drawn in four colours or
// with Mono checked, then saved.
struct M11Drawing {
    bk::m11::Header header;
    std::size_t data;  // picture data bytes in the file
    bool mono;
};

void PrintTo(const M11Drawing& d, std::ostream* os) {
    *os << d.header.line_width << "x" << d.header.line_count << (d.mono ? " mono" : " colour");
}

class SameAs11mViewer : public testing::TestWithParam<M11Drawing> {};

TEST_P(SameAs11mViewer, WritesTheWindowsBmp) {
    const M11Drawing& d = GetParam();
    TempFolder folder;
    const std::string file = folder / "area.11M";
    const Bytes content = bk::m11::file_bytes(d.header, varied_bytes(d.data));
    write_text(file, std::string(content.begin(), content.end()));

    ViewerWindowRig<viewer::Form2> rig;
    rig.state.maps.colour = {8388736, 65535, 16777215, 33023};  // purple, yellow, white, orange
    rig.state.maps.mono = {8388608, 65280};                     // navy, green
    rig.open(file);
    if (d.mono) rig.choose("mono_col_mnu");
    rig.choose("savebmp_mnu");
    const Bytes by_viewer = read_bytes(folder / "area.bmp");
    ASSERT_FALSE(by_viewer.empty());

    QStringList args{"render",
                     QString::fromStdString(file),
                     "-o",
                     QString::fromStdString(folder / "bkpic.bmp"),
                     "--colors",
                     "purple,yellow,white,orange",
                     "--mono-colors",
                     "navy,#00ff00"};
    if (d.mono) args << "--mono";
    const auto run = bkpic_testing::run_bkpic(args);
    EXPECT_EQ(run.status, bkpic::all_done) << run.err;
    EXPECT_EQ(read_bytes(folder / "bkpic.bmp"), by_viewer);
}

INSTANTIATE_TEST_SUITE_P(Areas, SameAs11mViewer,
                         testing::Values(M11Drawing{{64, 256}, 16384, false},
                                         M11Drawing{{64, 256}, 16384, true},
                                         M11Drawing{{26, 75}, 1000, false},
                                         M11Drawing{{64, 767}, 49088, true}),
                         testing_support::printed_name);

// A file's extension decides how it is drawn, whatever its first bytes say;
// only a file of another name is known as 11M by its header. An 11M file is
// drawn as one even with --as, which sets the mode of the others. Each
// output is in the format its extension names. The bytes here are a whole
// 11M file of 32 x 64 four-colour pixels.
TEST(BkpicRender, ExtensionDecidesBeforeTheHeaderAnd11MBeforeAs) {
    TempFolder folder;
    const Bytes content = bk::m11::file_bytes({8, 64}, varied_bytes(512));
    const std::tuple<const char*, QSize, QSize> cases[] = {
        {"a.pic", {256, 256}, {64, 64}}, {"b.PIC", {256, 256}, {64, 64}},
        {"c.bbd", {64, 64}, {64, 64}},   {"d.11M", {32, 64}, {32, 64}},
        {"e.11m", {32, 64}, {32, 64}},   {"f.dat", {32, 64}, {32, 64}}};
    for (const auto& [name, size, size_as_sprite] : cases) {
        write_text(folder / name, std::string(content.begin(), content.end()));
        for (const bool as_sprite : {false, true}) {
            const QString output = q(folder / name + (as_sprite ? ".jpg" : ".png"));
            QStringList arguments{"bkpic", "render", q(folder / name), "-o", output};
            if (as_sprite)
                arguments << "--as"
                          << "sprite";
            std::ostringstream out, err;
            EXPECT_EQ(bkpic::run_command_line(arguments, out, err), bkpic::all_done) << err.str();
            QImageReader written(output);
            EXPECT_EQ(written.format(), as_sprite ? "jpeg" : "png") << name;
            EXPECT_EQ(written.size(), as_sprite ? size_as_sprite : size) << name << as_sprite;
        }
    }
}

TEST(BkpicRender, RefusesWhatTheViewerRefuses) {
    TempFolder folder;
    write_text(folder / "big.bbd", std::string(1025, '\0'));
    write_text(folder / "fake.11M", std::string(100, '\0'));
    std::ostringstream out, err;
    const int status =
        bkpic::run_command_line({"bkpic", "render", QString::fromStdString(folder / "big.bbd"),
                                 QString::fromStdString(folder / "fake.11M")},
                                out, err);
    EXPECT_EQ(status, bkpic::some_failed);
    EXPECT_EQ(err.str(), "bkpic: " + folder / "big.bbd" +
                             ": too large for this mode: at most 1024 bytes\nbkpic: " +
                             folder / "fake.11M" + ": not an 11M file\n");
    EXPECT_EQ(folder_names(folder.path()), (std::vector<std::string>{"big.bbd", "fake.11M"}));
}

}  // namespace
