// bkpic convert writes exactly the bytes that the converter windows' Convert
// (and, with --bin-only and --wav-only, Export_bin and Export_wav) write for
// the same picture, window mode, placement and settings, under the same
// output name (a tape carries its name). Each row's options are given to
// bkpic as they are, and steer the window through its menus and controls.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <filesystem>
#include <map>

#include "bkpic/command_line.h"
#include "catalogs/catalog_ops.h"
#include "tests/bkpic/bkpic_run.h"
#include "tests/m11/m11_window_rig.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/param_names.h"

namespace {

using namespace testing_support;
using namespace bkpic_testing;
using Bytes = std::vector<std::uint8_t>;
using Options = std::map<QString, QString>;  // by name without "--"; "" for a flag

struct Job {
    const char* picture;
    const char* options;
};

void PrintTo(const Job& job, std::ostream* os) {
    *os << job.picture << " " << job.options;
}

Options options_of(const QStringList& words) {
    Options options;
    for (int i = 0; i < words.size(); ++i) {
        const bool flag = i + 1 == words.size() || words[i + 1].startsWith("--");
        options[words[i].mid(2)] = flag ? "" : words[i + 1];
        i += flag ? 0 : 1;
    }
    return options;
}

std::vector<int> numbers(const Options& o, const char* name, QChar separator = ',') {
    std::vector<int> values;
    for (const QString& n : o.at(name).split(separator)) values.push_back(n.toInt());
    return values;
}

// The menu item that chooses each value of --to, --dither and --shape.
const char* item_for(const QString& value) {
    static const std::map<QString, const char*> items{
        {"mono", "s512_mnu"},         {"color", "s256_mnu"},          {"sprite", "s64_mnu"},
        {"none", "dnone_mnu"},        {"floyd-steinberg", "dfs_mnu"}, {"atkinson", "datk_mnu"},
        {"ordered", "dord_mnu"},      {"fill", "ftwfill_mnu"},        {"whole", "ftwwhole_mnu"},
        {"stretch", "ftwstretch_mnu"}};
    return items.at(value);
}

// Steers either converter window as the options ask; `open` chooses the
// mode and opens the picture.
template <class Rig>
void convert_in(Rig& rig, const Options& o, const char* convert_item, auto open) {
    if (o.contains("dither")) rig.choose(item_for(o.at("dither")));
    open();
    if (o.contains("shape")) rig.choose(item_for(o.at("shape")));
    if (o.contains("fit")) rig.choose("ftw_mnu");
    if (o.contains("offset")) {
        rig.form->template findChild<QScrollBar*>("HScroll1")->setValue(numbers(o, "offset")[0]);
        rig.form->template findChild<QScrollBar*>("VScroll1")->setValue(numbers(o, "offset")[1]);
    }
    if (o.contains("bw-level")) rig.state.bw_level = o.at("bw-level").toInt();
    if (o.contains("levels")) {
        const auto rgb = numbers(o, "levels");
        rig.state.colour_levels = {rgb[0], rgb[1], rgb[2]};
    }
    if (o.contains("swap"))
        for (int flag : numbers(o, "swap")) rig.state.swap_flags[flag - 1] = true;
    rig.choose(convert_item);
}

// The main window writes beside the picture; the file is taken away again.
Bytes by_main_window(const Options& o, const std::string& input, const std::string& output) {
    MainWindowRig rig;
    const char* convert = o.contains("bin-only")   ? "exportbin_mnu"
                          : o.contains("wav-only") ? "exportwav_mnu"
                          : o.at("to") == "mono"   ? "convbw_mnu"
                                                   : "convcol_mnu";
    convert_in(rig, o, convert, [&] {
        rig.choose(item_for(o.at("to")));
        rig.open(input);
    });
    Bytes bytes = read_bytes(output);
    std::filesystem::remove(output);
    return bytes;
}

// The 11M window's area is sized with its arrow buttons from 256 x 256.
Bytes by_11m_window(const Options& o, const std::string& input) {
    M11Rig rig;
    const bool mono = o.at("to") == "11m-mono";
    convert_in(rig, o, mono ? "convbw_mnu" : "convcol_mnu", [&] {
        rig.open(input);
        if (mono) rig.choose("mono_col_mnu");
        const auto area = numbers(o, "area", 'x');
        const int wider = (area[0] - 256) / (mono ? 8 : 4), taller = area[1] - 256;
        rig.click(wider < 0 ? "Command1" : "Command4", std::abs(wider));
        rig.click(taller < 0 ? "Command2" : "Command3", std::abs(taller));
    });
    const std::string name = catalogs::file_name_of(input);
    return read_bytes(rig.folder / ("11M/" + name.substr(0, name.size() - 4) + ".11M"));
}

std::string extension_of(const Options& o) {
    if (o.contains("bin-only")) return ".bin";
    if (o.contains("wav-only")) return ".wav";
    if (o.at("to").startsWith("11m")) return ".11M";
    return o.at("to") == "sprite" ? ".bbd" : ".pic";
}

class SameAsWindows : public testing::TestWithParam<Job> {};

TEST_P(SameAsWindows, WritesTheWindowsBytes) {
    TempFolder folder;
    const std::string input = folder / GetParam().picture;
    std::filesystem::copy_file(sample(GetParam().picture), input);
    const QStringList options = QString(GetParam().options).split(' ');
    const Options o = options_of(options);
    const std::string output = input.substr(0, input.size() - 4) + extension_of(o);
    const Bytes by_window =
        o.at("to").startsWith("11m") ? by_11m_window(o, input) : by_main_window(o, input, output);
    ASSERT_FALSE(by_window.empty());
    const auto run = bkpic_run(QStringList{"convert", q(input), "-o", q(output)} + options);
    EXPECT_EQ(run.status, bkpic::all_done) << run.err;
    EXPECT_EQ(read_bytes(output), by_window);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, SameAsWindows,
    testing::Values(
        Job{"testcard.bmp", "--to mono"},
        Job{"gradient.jpg", "--to mono --offset 18,44 --bw-level 90"},
        Job{"gradient.jpg", "--to mono --fit --bw-level 160"},
        Job{"gradient.jpg", "--to color --offset 137,20 --levels 90,140,60 --swap 2,4,12"},
        Job{"testcard.bmp", "--to color --fit --levels 100,100,100 --swap 3,8,10"},
        Job{"quadrants.gif", "--to sprite --swap 1,6"}, Job{"gradient.jpg", "--to sprite --fit"},
        Job{"gradient.jpg", "--to mono --fit --bw-level 100 --dither floyd-steinberg"},
        Job{"testcard.bmp",
            "--to color --offset 20,0 --levels 100,140,128 --swap 2,10 --dither atkinson"},
        Job{"gradient.jpg", "--to sprite --fit --dither ordered"},
        Job{"testcard.bmp", "--to mono --fit --dither none"},
        Job{"gradient.jpg", "--to mono --fit --dither floyd-steinberg --bin-only"},
        Job{"testcard.bmp", "--to color --fit --levels 120,128,140 --dither atkinson --bin-only"},
        Job{"gradient.jpg", "--to color --offset 20,0 --dither ordered --bin-only"},
        Job{"gradient.jpg", "--to mono --fit --offset 40,0 --dither floyd-steinberg --shape fill"},
        Job{"testcard.bmp", "--to sprite --fit --shape fill"},
        Job{"testcard.bmp", "--to color --fit --shape whole"},
        Job{"gradient.jpg", "--to mono --offset 10,20 --bw-level 100 --dither atkinson --wav-only"},
        Job{"gradient.jpg", "--to 11m-color --area 256x256"},
        Job{"gradient.jpg", "--to 11m-mono --area 272x226 --offset 258,74"},
        Job{"testcard.bmp", "--to 11m-color --area 64x256 --fit --levels 100,150,90 --swap 2,4,7"},
        Job{"quadrants.gif", "--to 11m-mono --area 64x64"},
        Job{"testcard.bmp",
            "--to 11m-color --area 268x256 --fit --levels 128,110,128 --swap 1,5 "
            "--dither floyd-steinberg"},
        Job{"gradient.jpg", "--to 11m-mono --area 256x256 --offset 30,20 --dither ordered"},
        Job{"testcard.bmp",
            "--to 11m-mono --area 256x192 --fit --offset 100,0 --dither ordered --shape fill"},
        Job{"gradient.jpg", "--to 11m-color --area 192x256 --fit --dither atkinson --shape whole"}),
    printed_name);

}  // namespace
