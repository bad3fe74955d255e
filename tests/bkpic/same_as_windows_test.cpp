// bkpic convert writes exactly the bytes that the converter window's Convert
// (and, with --bin-only and --wav-only, its Export_bin and Export_wav) writes
// for the same picture, window mode, placement and settings, under the same
// output name (a tape carries its name).
#include <gtest/gtest.h>

#include <QScrollBar>
#include <filesystem>
#include <sstream>

#include "bkpic/command_line.h"
#include "catalogs/catalog_ops.h"
#include "tests/m11/m11_window_rig.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/param_names.h"

namespace {

using namespace testing_support;
using Bytes = std::vector<std::uint8_t>;

struct Job {
    const char* to;
    const char* picture;
    const char* mode_item;     // the window mode chosen in the window
    const char* convert_item;  // convbw_mnu, convcol_mnu, exportbin_mnu or exportwav_mnu
    const char* extension;     // .bin for exportbin_mnu, .wav for exportwav_mnu
    bool fit = false;
    int x = 0, y = 0;  // scroll position
    int bw_level = 128;
    converter::ColourLevels levels{};
    std::vector<int> swaps{};
    const char* dither = nullptr;  // --dither, and its item in the Dither menu
    const char* dither_item = nullptr;
    const char* shape = nullptr;  // --shape, and its Fit_ item in the Window menu
    const char* shape_item = nullptr;
};

QStringList bkpic_arguments(const Job& job, const std::string& input, const std::string& output) {
    QStringList args{"bkpic", "convert", QString::fromStdString(input), "--to",
                     job.to,  "-o",      QString::fromStdString(output)};
    if (job.fit) args << "--fit";
    if (job.shape) args << "--shape" << job.shape;
    if (job.x || job.y) args << "--offset" << QString("%1,%2").arg(job.x).arg(job.y);
    args << "--bw-level" << QString::number(job.bw_level) << "--levels"
         << QString("%1,%2,%3").arg(job.levels.red).arg(job.levels.green).arg(job.levels.blue);
    QStringList swaps;
    for (int flag : job.swaps) swaps << QString::number(flag);
    if (!swaps.isEmpty()) args << "--swap" << swaps.join(',');
    if (job.dither) args << "--dither" << job.dither;
    if (std::string(job.extension) == ".bin") args << "--bin-only";
    if (std::string(job.extension) == ".wav") args << "--wav-only";
    return args;
}

// The window writes beside the picture, and the file is taken away again.
std::string written_by_window(const Job& job, const std::string& input) {
    return input.substr(0, input.size() - 4) + job.extension;
}

Bytes converted_by_window(const Job& job, const std::string& input) {
    MainWindowRig rig;
    if (job.dither_item) rig.choose(job.dither_item);
    rig.choose(job.mode_item);
    rig.open(input);
    if (job.shape_item) rig.choose(job.shape_item);
    if (job.fit) rig.choose("ftw_mnu");
    if (job.x || job.y) {  // else as they start: fill's cut in the middle
        rig.form->findChild<QScrollBar*>("HScroll1")->setValue(job.x);
        rig.form->findChild<QScrollBar*>("VScroll1")->setValue(job.y);
    }
    rig.state.bw_level = job.bw_level;
    rig.state.colour_levels = job.levels;
    for (int flag : job.swaps) rig.state.swap_flags[flag - 1] = true;
    rig.choose(job.convert_item);
    const std::string written = written_by_window(job, input);
    Bytes bytes = read_bytes(written);
    std::filesystem::remove(written);
    return bytes;
}

void PrintTo(const Job& j, std::ostream* os) {
    *os << j.to << " " << j.picture << (j.fit ? " fit" : "") << (j.shape ? j.shape : "");
}

class SameAsWindows : public testing::TestWithParam<Job> {};

TEST_P(SameAsWindows, WritesTheWindowsBytes) {
    const Job& job = GetParam();
    TempFolder folder;
    const std::string input = folder / job.picture;
    std::filesystem::copy_file(sample(job.picture), input);
    const Bytes by_window = converted_by_window(job, input);
    ASSERT_FALSE(by_window.empty());

    std::ostringstream out, err;
    const std::string output = written_by_window(job, input);
    EXPECT_EQ(bkpic::run_command_line(bkpic_arguments(job, input, output), out, err),
              bkpic::all_done)
        << err.str();
    EXPECT_EQ(read_bytes(output), by_window);
}

converter::ColourLevels levels(int red, int green, int blue) {
    return {red, green, blue};
}

INSTANTIATE_TEST_SUITE_P(
    FixedScreens, SameAsWindows,
    testing::Values(Job{"mono", "testcard.bmp", "s512_mnu", "convbw_mnu", ".pic"},
                    Job{"mono", "gradient.jpg", "s512_mnu", "convbw_mnu", ".pic", false, 18, 44,
                        90},
                    Job{"mono", "gradient.jpg", "s512_mnu", "convbw_mnu", ".pic", true, 0, 0, 160},
                    Job{"color",
                        "gradient.jpg",
                        "s256_mnu",
                        "convcol_mnu",
                        ".pic",
                        false,
                        137,
                        20,
                        128,
                        levels(90, 140, 60),
                        {2, 4, 12}},
                    Job{"color",
                        "testcard.bmp",
                        "s256_mnu",
                        "convcol_mnu",
                        ".pic",
                        true,
                        0,
                        0,
                        128,
                        levels(100, 100, 100),
                        {3, 8, 10}},
                    Job{"sprite",
                        "quadrants.gif",
                        "s64_mnu",
                        "convcol_mnu",
                        ".bbd",
                        false,
                        0,
                        0,
                        128,
                        levels(128, 128, 128),
                        {1, 6}},
                    Job{"sprite", "gradient.jpg", "s64_mnu", "convcol_mnu", ".bbd", true},
                    Job{.to = "mono",
                        .picture = "gradient.jpg",
                        .mode_item = "s512_mnu",
                        .convert_item = "convbw_mnu",
                        .extension = ".pic",
                        .fit = true,
                        .bw_level = 100,
                        .dither = "floyd-steinberg",
                        .dither_item = "dfs_mnu"},
                    Job{.to = "color",
                        .picture = "testcard.bmp",
                        .mode_item = "s256_mnu",
                        .convert_item = "convcol_mnu",
                        .extension = ".pic",
                        .x = 20,
                        .levels = levels(100, 140, 128),
                        .swaps = {2, 10},
                        .dither = "atkinson",
                        .dither_item = "datk_mnu"},
                    Job{.to = "sprite",
                        .picture = "gradient.jpg",
                        .mode_item = "s64_mnu",
                        .convert_item = "convcol_mnu",
                        .extension = ".bbd",
                        .fit = true,
                        .dither = "ordered",
                        .dither_item = "dord_mnu"},
                    Job{.to = "mono",
                        .picture = "testcard.bmp",
                        .mode_item = "s512_mnu",
                        .convert_item = "convbw_mnu",
                        .extension = ".pic",
                        .fit = true,
                        .dither = "none",
                        .dither_item = "dnone_mnu"},
                    Job{.to = "mono",
                        .picture = "gradient.jpg",
                        .mode_item = "s512_mnu",
                        .convert_item = "exportbin_mnu",
                        .extension = ".bin",
                        .fit = true,
                        .dither = "floyd-steinberg",
                        .dither_item = "dfs_mnu"},
                    Job{.to = "color",
                        .picture = "testcard.bmp",
                        .mode_item = "s256_mnu",
                        .convert_item = "exportbin_mnu",
                        .extension = ".bin",
                        .fit = true,
                        .levels = levels(120, 128, 140),
                        .dither = "atkinson",
                        .dither_item = "datk_mnu"},
                    Job{.to = "color",
                        .picture = "gradient.jpg",
                        .mode_item = "s256_mnu",
                        .convert_item = "exportbin_mnu",
                        .extension = ".bin",
                        .x = 20,
                        .dither = "ordered",
                        .dither_item = "dord_mnu"},
                    Job{.to = "mono",
                        .picture = "gradient.jpg",
                        .mode_item = "s512_mnu",
                        .convert_item = "convbw_mnu",
                        .extension = ".pic",
                        .fit = true,
                        .x = 40,
                        .dither = "floyd-steinberg",
                        .dither_item = "dfs_mnu",
                        .shape = "fill",
                        .shape_item = "ftwfill_mnu"},
                    Job{.to = "sprite",
                        .picture = "testcard.bmp",
                        .mode_item = "s64_mnu",
                        .convert_item = "convcol_mnu",
                        .extension = ".bbd",
                        .fit = true,
                        .shape = "fill",
                        .shape_item = "ftwfill_mnu"},
                    Job{.to = "color",
                        .picture = "testcard.bmp",
                        .mode_item = "s256_mnu",
                        .convert_item = "convcol_mnu",
                        .extension = ".pic",
                        .fit = true,
                        .shape = "whole",
                        .shape_item = "ftwwhole_mnu"},
                    Job{.to = "mono",
                        .picture = "gradient.jpg",
                        .mode_item = "s512_mnu",
                        .convert_item = "exportwav_mnu",
                        .extension = ".wav",
                        .x = 10,
                        .y = 20,
                        .bw_level = 100,
                        .dither = "atkinson",
                        .dither_item = "datk_mnu"}),
    [](const auto& info) {
        return "Job" + std::to_string(info.index) + "_" + testing_support::printed_name(info);
    });

// The 11M window: the area sized with its arrow buttons, then converted.
struct M11Job {
    const char* to;
    const char* picture;
    bool mono;
    std::vector<std::pair<const char*, int>> clicks;  // buttons and how often
    const char* area;
    bool fit = false;
    int x = 0, y = 0;
    converter::ColourLevels levels{};
    std::vector<int> swaps{};
    const char* dither = nullptr;
    const char* dither_item = nullptr;
    const char* shape = nullptr;
    const char* shape_item = nullptr;
};

Bytes converted_by_11m_window(const M11Job& job, const std::string& input) {
    M11Rig rig;
    if (job.dither_item) rig.choose(job.dither_item);
    rig.open(input);
    if (job.mono) rig.choose("mono_col_mnu");
    for (const auto& [button, times] : job.clicks) rig.click(button, times);
    if (job.shape_item) rig.choose(job.shape_item);
    if (job.fit) rig.choose("ftw_mnu");
    if (job.x || job.y) {
        rig.bar("HScroll1").setValue(job.x);
        rig.bar("VScroll1").setValue(job.y);
    }
    rig.state.colour_levels = job.levels;
    for (int flag : job.swaps) rig.state.swap_flags[flag - 1] = true;
    rig.choose(job.mono ? "convbw_mnu" : "convcol_mnu");
    const std::string name = catalogs::file_name_of(input);
    return read_bytes(rig.folder / ("11M/" + name.substr(0, name.size() - 4) + ".11M"));
}

void PrintTo(const M11Job& j, std::ostream* os) {
    *os << j.to << " " << j.picture << " " << j.area;
}

class SameAs11mWindow : public testing::TestWithParam<M11Job> {};

TEST_P(SameAs11mWindow, WritesTheWindowsBytes) {
    const M11Job& job = GetParam();
    TempFolder folder;
    const std::string input = folder / job.picture;
    std::filesystem::copy_file(sample(job.picture), input);
    const Bytes by_window = converted_by_11m_window(job, input);
    ASSERT_FALSE(by_window.empty());

    QStringList args{"bkpic",  "convert", QString::fromStdString(input),
                     "--to",   job.to,    "--area",
                     job.area, "-o",      QString::fromStdString(folder / "out.11M")};
    if (job.fit) args << "--fit";
    if (job.shape) args << "--shape" << job.shape;
    if (job.x || job.y) args << "--offset" << QString("%1,%2").arg(job.x).arg(job.y);
    args << "--levels"
         << QString("%1,%2,%3").arg(job.levels.red).arg(job.levels.green).arg(job.levels.blue);
    QStringList swaps;
    for (int flag : job.swaps) swaps << QString::number(flag);
    if (!swaps.isEmpty()) args << "--swap" << swaps.join(',');
    if (job.dither) args << "--dither" << job.dither;
    std::ostringstream out, err;
    EXPECT_EQ(bkpic::run_command_line(args, out, err), bkpic::all_done) << err.str();
    EXPECT_EQ(read_bytes(folder / "out.11M"), by_window);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, SameAs11mWindow,
    testing::Values(
        M11Job{"11m-color", "gradient.jpg", false, {}, "256x256"},
        M11Job{"11m-mono",
               "gradient.jpg",
               true,
               {{"Command4", 2}, {"Command2", 30}},
               "272x226",
               false,
               258,
               74},
        M11Job{"11m-color",
               "testcard.bmp",
               false,
               {{"Command1", 48}},
               "64x256",
               true,
               0,
               0,
               levels(100, 150, 90),
               {2, 4, 7}},
        M11Job{"11m-mono", "quadrants.gif", true, {{"Command1", 24}, {"Command2", 192}}, "64x64"},
        M11Job{.to = "11m-color",
               .picture = "testcard.bmp",
               .mono = false,
               .clicks = {{"Command4", 3}},
               .area = "268x256",
               .fit = true,
               .levels = levels(128, 110, 128),
               .swaps = {1, 5},
               .dither = "floyd-steinberg",
               .dither_item = "dfs_mnu"},
        M11Job{.to = "11m-mono",
               .picture = "gradient.jpg",
               .mono = true,
               .clicks = {},
               .area = "256x256",
               .x = 30,
               .y = 20,
               .dither = "ordered",
               .dither_item = "dord_mnu"},
        M11Job{.to = "11m-mono",
               .picture = "testcard.bmp",
               .mono = true,
               .clicks = {{"Command2", 64}},
               .area = "256x192",
               .fit = true,
               .x = 100,
               .dither = "ordered",
               .dither_item = "dord_mnu",
               .shape = "fill",
               .shape_item = "ftwfill_mnu"},
        M11Job{.to = "11m-color",
               .picture = "gradient.jpg",
               .mono = false,
               .clicks = {{"Command1", 16}},
               .area = "192x256",
               .fit = true,
               .dither = "atkinson",
               .dither_item = "datk_mnu",
               .shape = "whole",
               .shape_item = "ftwwhole_mnu"}),
    [](const auto& info) {
        return "Job" + std::to_string(info.index) + "_" + testing_support::printed_name(info);
    });

}  // namespace
