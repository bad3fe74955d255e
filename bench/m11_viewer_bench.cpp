// 11M viewer speed on the largest areas, 64 bytes by 767 lines (49088 bytes):
// drawing them as 256 x 767 four-colour or 512 x 767 monochrome pixels on a
// surface in memory, and the Open, Redraw, Mono and Save commands of an
// offscreen 11M viewer window.
#include <benchmark/benchmark.h>

#include <QAction>
#include <filesystem>
#include <fstream>

#include "formats/m11_file.h"
#include "platform/memory_surface.h"
#include "platform/scripted_modal.h"
#include "viewer/drawing.h"
#include "viewer/m11_window.h"

namespace {

constexpr bk::m11::Header largest_area{64, 767};

std::vector<std::uint8_t> counting_data() {
    std::vector<std::uint8_t> bytes(std::size_t(largest_area.data_size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 7 + i / 64);
    return bytes;
}

// pixels a byte: 4 drawcolorpic, 8 drawmonopic, as drawcolor11m and drawmono11m do
void draw_11m(benchmark::State& state, int pixels_per_byte) {
    const std::vector<std::uint8_t> bytes = counting_data();
    platform::MemorySurface surface(largest_area.line_width * pixels_per_byte,
                                    largest_area.line_count);
    const viewer::ColourMaps maps;
    viewer::BkPainter painter(surface, maps);
    for (auto _ : state) {
        if (pixels_per_byte == 8) {
            viewer::drawmonopic(painter, bytes);
        } else {
            viewer::drawcolorpic(painter, bytes);
        }
    }
}
BENCHMARK_CAPTURE(draw_11m, drawcolor11m_256x767, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(draw_11m, drawmono11m_512x767, 8)->Unit(benchmark::kMicrosecond);

// The 11M viewer window, shown offscreen with Mono as asked, over a
// temporary folder that holds the largest 11M file.
struct M11Viewer {
    explicit M11Viewer(bool mono)
        : folder(std::filesystem::temp_directory_path() / "orvak-11m-bench"),
          state(folder.string()),
          window(state, modal) {
        std::filesystem::create_directories(folder);
        const auto file = bk::m11::file_bytes(largest_area, counting_data());
        std::ofstream(folder / "area.11M", std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
        window.show();
        if (mono) {
            action("openbk_mnu")->trigger();  // cancelled: enables Mono
            action("mono_col_mnu")->trigger();
        }
    }
    ~M11Viewer() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }
    void open() {
        modal.files.push_back((folder / "area.11M").string());
        action("openbk_mnu")->trigger();
    }

    std::filesystem::path folder;
    platform::ScriptedModal modal;
    viewer::ViewerState state;
    viewer::Form2 window;
};

// Open reads and checks the file, sizes and clears the window, and draws
// row by row.
void open_11m(benchmark::State& state, bool mono) {
    M11Viewer viewer(mono);
    for (auto _ : state) viewer.open();
}
BENCHMARK_CAPTURE(open_11m, colour_256x767, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(open_11m, mono_512x767, true)->Unit(benchmark::kMillisecond);

void redraw_11m(benchmark::State& state, bool mono) {
    M11Viewer viewer(mono);
    viewer.open();
    for (auto _ : state) viewer.action("rdraw11_mnu")->trigger();
}
BENCHMARK_CAPTURE(redraw_11m, colour_256x767, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw_11m, mono_512x767, true)->Unit(benchmark::kMillisecond);

// Mono there and back: two resizes and two drawings, one in each mode.
void mono_toggle_twice(benchmark::State& state) {
    M11Viewer viewer(false);
    viewer.open();
    for (auto _ : state) {
        viewer.action("mono_col_mnu")->trigger();
        viewer.action("mono_col_mnu")->trigger();
    }
}
BENCHMARK(mono_toggle_twice)->Unit(benchmark::kMillisecond);

// Save of the 512 x 767 picture, replacing the file it wrote the time before.
void save_11m_mono(benchmark::State& state) {
    M11Viewer viewer(true);
    viewer.open();
    for (auto _ : state) {
        viewer.modal.answers.push_back(platform::Answer::yes);
        viewer.action("savebmp_mnu")->trigger();
    }
}
BENCHMARK(save_11m_mono)->Unit(benchmark::kMillisecond);

}  // namespace
