// bkpic render, run as a program of its own, writes exactly the BMP that the
// viewer's Save writes for the same file, window mode and colour maps; a
// file's extension decides how it is drawn and what format is written.
#include <gtest/gtest.h>

#include <QImageReader>

#include "bkpic/command_line.h"
#include "formats/m11_file.h"
#include "tests/bkpic/bkpic_run.h"
#include "tests/support/param_names.h"
#include "tests/viewer/viewer_rig.h"
#include "viewer/m11_window.h"

namespace {

using namespace viewer_testing;
using namespace bkpic_testing;
using Bytes = std::vector<std::uint8_t>;

// Bytes that use every BK colour index and bit pattern.
Bytes varied_bytes(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = std::uint8_t(i * 37 + i / 64);
    return bytes;
}

struct Drawing {
    const char* item;  // the viewer's window mode, or the 11M window's Mono
    const char* file_name;
    std::size_t size;     // bytes of the file (of picture data in an 11M file)
    const char* options;  // bkpic's
    bk::m11::Header header{};
};

void PrintTo(const Drawing& d, std::ostream* os) {
    *os << d.file_name << " " << d.size << " " << d.options;
}

// The 11M window is steered once the file is open, the main window before.
template <class Window>
Bytes saved_by_viewer(const Drawing& d, const std::string& file) {
    ViewerWindowRig<Window> rig;
    rig.state.maps.colour = {8388736, 65535, 16777215, 33023};  // purple, yellow, white, orange
    rig.state.maps.mono = {8388608, 65280};                     // navy, green
    constexpr bool m11 = std::is_same_v<Window, viewer::Form2>;
    if (!m11) rig.choose(d.item);
    rig.open(file);
    if (m11 && d.item) rig.choose(d.item);
    rig.choose("savebmp_mnu");
    return read_bytes(file.substr(0, file.size() - 4) + ".bmp");
}

class SameAsViewer : public testing::TestWithParam<Drawing> {};

TEST_P(SameAsViewer, WritesTheViewersBmp) {
    const Drawing& d = GetParam();
    TempFolder folder;
    const std::string file = folder / d.file_name;
    const bool m11 = std::string(d.file_name).ends_with(".11M");
    const Bytes content =
        m11 ? bk::m11::file_bytes(d.header, varied_bytes(d.size)) : varied_bytes(d.size);
    write_text(file, std::string(content.begin(), content.end()));
    const Bytes by_viewer =
        m11 ? saved_by_viewer<viewer::Form2>(d, file) : saved_by_viewer<viewer::Form1>(d, file);
    ASSERT_FALSE(by_viewer.empty());

    const QStringList colours{"--colors", "purple,yellow,white,orange", "--mono-colors",
                              "navy,#00ff00"};
    const QStringList options = QString(d.options).split(' ', Qt::SkipEmptyParts);
    const auto run = run_bkpic(QStringList{"render", q(file), "-o", q(folder / "bkpic.bmp")} +
                               colours + options);
    EXPECT_EQ(run.status, bkpic::all_done) << run.err;
    EXPECT_EQ(read_bytes(folder / "bkpic.bmp"), by_viewer);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SameAsViewer,
    testing::Values(Drawing{"sbk256_mnu", "screen.pic", 16384, ""},
                    Drawing{"sbk512_mnu", "screen.pic", 16384, "--as mono"},
                    Drawing{"sbk64_mnu", "sprite.bbd", 1024, ""},
                    Drawing{"sbk64_mnu", "sprite.pic", 700, "--as sprite"},
                    Drawing{"sbk256_mnu", "short.bbd", 5000, "--as color"},
                    Drawing{nullptr, "a.11M", 16384, "", {64, 256}},
                    Drawing{"mono_col_mnu", "b.11M", 16384, "--mono", {64, 256}},
                    Drawing{nullptr, "c.11M", 1000, "", {26, 75}},
                    Drawing{"mono_col_mnu", "d.11M", 49088, "--mono", {64, 767}}),
    printed_name);

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
            QStringList arguments{"render", q(folder / name), "-o", output};
            if (as_sprite)
                arguments << "--as"
                          << "sprite";
            const auto run = bkpic_run(arguments);
            EXPECT_EQ(run.status, bkpic::all_done) << run.err;
            QImageReader written(output);
            EXPECT_EQ(written.format(), as_sprite ? "jpeg" : "png") << name;
            EXPECT_EQ(written.size(), as_sprite ? size_as_sprite : size) << name << as_sprite;
        }
    }
}

}  // namespace
