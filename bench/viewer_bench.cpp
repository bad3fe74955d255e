// Viewer speed: decoding and drawing a whole 16384-byte screen in each
// window mode, on a surface in memory and as the Open and Redraw commands
// of an offscreen main window, and the BMP export.
#include <benchmark/benchmark.h>

#include <QAction>
#include <filesystem>
#include <fstream>

#include "platform/memory_surface.h"
#include "platform/scripted_modal.h"
#include "viewer/bmp_file.h"
#include "viewer/drawing.h"
#include "viewer/main_window.h"

namespace {

std::vector<std::uint8_t> counting_screen() {
    std::vector<std::uint8_t> bytes(16384);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 7 + i / 64);
    return bytes;
}

// decoder, picture window width, height
void decode(benchmark::State& state, viewer::Decoder decoder, int width, int height) {
    const std::vector<std::uint8_t> bytes = counting_screen();
    platform::MemorySurface surface(width, height);
    const viewer::ColourMaps maps;
    viewer::BkPainter painter(surface, maps);
    for (auto _ : state) viewer::draw(decoder, painter, bytes);
}
BENCHMARK_CAPTURE(decode, drawbbd_64x64, viewer::Decoder::bbd, 64, 64)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(decode, drawcolorpic_256x256, viewer::Decoder::colour_pic, 256, 256)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(decode, drawmonopic_512x256, viewer::Decoder::mono_pic, 512, 256)
    ->Unit(benchmark::kMicrosecond);

// The main window, shown offscreen in a mode, over a temporary folder that
// holds a 16384-byte screen and a 1024-byte sprite.
struct ViewerWindow {
    explicit ViewerWindow(const char* mode_item)
        : folder(std::filesystem::temp_directory_path() / "orvak-bench"),
          state(folder.string()),
          window(state, modal) {
        std::filesystem::create_directories(folder);
        const std::vector<std::uint8_t> bytes = counting_screen();
        std::ofstream(folder / "screen.pic", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), 16384);
        std::ofstream(folder / "sprite.bbd", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), 1024);
        action(mode_item)->trigger();
        window.show();
    }
    ~ViewerWindow() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }
    void open(const char* name) {
        modal.files.push_back((folder / name).string());
        action("openbk_mnu")->trigger();
    }

    std::filesystem::path folder;
    platform::ScriptedModal modal;
    viewer::ViewerState state;
    viewer::Form1 window;
};

// Open reads the file, clears the window and draws row by row.
void open_command(benchmark::State& state, const char* mode_item, const char* file) {
    ViewerWindow viewer(mode_item);
    for (auto _ : state) viewer.open(file);
}
BENCHMARK_CAPTURE(open_command, color64x64_bbd, "sbk64_mnu", "sprite.bbd")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(open_command, color256x256_pic, "sbk256_mnu", "screen.pic")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(open_command, mono512x256_pic, "sbk512_mnu", "screen.pic")
    ->Unit(benchmark::kMillisecond);

// Redraw of the 16384-byte screen: in color64x64 its first 1024 bytes.
void redraw_command(benchmark::State& state, const char* mode_item) {
    ViewerWindow viewer("sbk256_mnu");
    viewer.open("screen.pic");
    viewer.action(mode_item)->trigger();
    for (auto _ : state) viewer.action("rdraw_mnu")->trigger();
}
BENCHMARK_CAPTURE(redraw_command, color64x64, "sbk64_mnu")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw_command, color256x256, "sbk256_mnu")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw_command, mono512x256, "sbk512_mnu")->Unit(benchmark::kMillisecond);

void encode_bmp_512x256(benchmark::State& state) {
    platform::MemorySurface surface(512, 256, 33023);
    for (auto _ : state) benchmark::DoNotOptimize(viewer::encode_bmp(surface));
}
BENCHMARK(encode_bmp_512x256)->Unit(benchmark::kMicrosecond);

// Save: the whole command, replacing the file it wrote the time before.
void save_command(benchmark::State& state, const char* mode_item) {
    ViewerWindow viewer(mode_item);
    viewer.open("screen.pic");
    for (auto _ : state) {
        viewer.modal.answers.push_back(platform::Answer::yes);
        viewer.action("savebmp_mnu")->trigger();
    }
}
BENCHMARK_CAPTURE(save_command, color256x256, "sbk256_mnu")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(save_command, mono512x256, "sbk512_mnu")->Unit(benchmark::kMillisecond);

}  // namespace
