// Conversion speed: the pixel decisions with packing on a surface in memory,
// and the whole View commands on an offscreen main window.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "bench/gradient_surface.h"
#include "bench/sample_path.h"
#include "converter/main_window.h"
#include "engine/walks.h"
#include "platform/memory_surface.h"
#include "platform/scripted_modal.h"

namespace {

using bench::gradient_surface;

void mono_walk_512x256(benchmark::State& state) {
    const platform::MemorySurface source = gradient_surface(512, 256);
    for (auto _ : state) {
        platform::MemorySurface surface = source;
        benchmark::DoNotOptimize(converter::walk_mono(surface, 128));
    }
}
BENCHMARK(mono_walk_512x256)->Unit(benchmark::kMicrosecond);

void colour_walk_256x256(benchmark::State& state) {
    const platform::MemorySurface source = gradient_surface(256, 256);
    converter::SwapFlags flags{};
    flags[0] = true;
    for (auto _ : state) {
        platform::MemorySurface surface = source;
        benchmark::DoNotOptimize(converter::walk_colour(surface, {}, flags));
    }
}
BENCHMARK(colour_walk_256x256)->Unit(benchmark::kMicrosecond);

// The main window with the test card loaded, in the given window mode.
struct LoadedWindow {
    explicit LoadedWindow(const char* mode_item)
        : state(std::filesystem::temp_directory_path().string()), window(state, modal) {
        modal.files.push_back(bench::sample_path("testcard.bmp"));
        action("open_mnu")->trigger();
        action(mode_item)->trigger();
        window.show();
    }
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }

    platform::ScriptedModal modal;
    converter::ConverterState state;
    converter::Form1 window;
};

void view_mono_command(benchmark::State& state) {
    LoadedWindow loaded("s512_mnu");
    for (auto _ : state) loaded.action("vm_mnu")->trigger();
}
BENCHMARK(view_mono_command)->Unit(benchmark::kMillisecond);

void view_colour_command(benchmark::State& state) {
    LoadedWindow loaded("s256_mnu");
    for (auto _ : state) loaded.action("vcol_mnu")->trigger();
}
BENCHMARK(view_colour_command)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
