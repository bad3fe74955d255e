// Drawing row by row into a shown picture window, for 11M areas of every
// shape: the 11M viewer's Open of the tallest and the widest files (the
// largest, 256 x 767, is in m11_viewer_bench.cpp), and the converter's 11M
// walks over the tallest areas. Each round
// ends with the paint that the event loop does once the command is over, so
// a round is all it takes until the window shows the result.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QCoreApplication>
#include <filesystem>
#include <fstream>

#include "bench/gradient_surface.h"
#include "engine/m11_conversion.h"
#include "formats/m11_file.h"
#include "platform/picture_window.h"
#include "platform/scripted_modal.h"
#include "viewer/m11_window.h"

namespace {

namespace m11 = bk::m11;

std::vector<std::uint8_t> counting_data(m11::Header header) {
    std::vector<std::uint8_t> bytes(std::size_t(header.data_size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 7 + i / 64);
    return bytes;
}

// The 11M viewer window, shown offscreen with Mono as asked, opening an 11M
// file of the header's area from a temporary folder.
void open_area(benchmark::State& state, m11::Header header, bool mono) {
    const auto folder = std::filesystem::temp_directory_path() / "orvak-area-bench";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "orvak.ini", std::ios::binary)
        << "*******ORVAK_Ini*******\r\nBMP catalog>\r\ndefault\r\n";
    const std::string path = (folder / "area.11M").string();
    const auto file = m11::file_bytes(header, counting_data(header));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    platform::ScriptedModal modal;
    viewer::ViewerState viewer_state(folder.string());
    viewer::Form2 window(viewer_state, modal);
    window.show();
    auto action = [&](const char* name) { return window.findChild<QAction*>(name); };
    if (mono) {
        action("openbk_mnu")->trigger();  // cancelled: enables Mono
        action("mono_col_mnu")->trigger();
    }
    for (auto _ : state) {
        modal.files.push_back(path);
        action("openbk_mnu")->trigger();
        QCoreApplication::processEvents();
    }
    if (!modal.messages.empty()) state.SkipWithError(modal.messages.front().text.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
// Line width in bytes, line count, mono; the name gives the area in pixels.
BENCHMARK_CAPTURE(open_area, colour_4x32767, m11::Header{1, 32767}, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(open_area, mono_8x32767, m11::Header{1, 32767}, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(open_area, mono_64x6143, m11::Header{8, 6143}, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(open_area, colour_32x6143, m11::Header{8, 6143}, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(open_area, mono_32760x12, m11::Header{4095, 12}, true)
    ->Unit(benchmark::kMillisecond);

// The converter's 11M walks on a shown picture window of the area's size,
// starting each round from the same picture.
void walk_area(benchmark::State& state, int width, int height, bool mono) {
    platform::PictureWindow window;
    window.set_size(width, height);
    window.show();
    const platform::MemorySurface source = bench::gradient_surface(width, height);
    const auto plan = converter::m11::plan_conversion(width, height, mono ? 8 : 4);
    for (auto _ : state) {
        state.PauseTiming();
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) window.set_pixel(x, y, source.pixel(x, y));
        }
        state.ResumeTiming();
        if (mono) {
            benchmark::DoNotOptimize(converter::m11::walk_mono_11m(window, plan, 128));
        } else {
            benchmark::DoNotOptimize(converter::m11::walk_colour_11m(window, plan, {}, {}));
        }
        QCoreApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(walk_area, mono_64x6143, 64, 6143, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(walk_area, colour_4x32767, 4, 32767, false)->Unit(benchmark::kMillisecond);

}  // namespace
