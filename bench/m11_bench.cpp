// 11M conversion speed at the largest areas the window allows 512 and 256
// pixels wide: the walks on a surface in memory, and the View and Convert
// commands of an offscreen 11M window.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QToolButton>
#include <filesystem>

#include "bench/gradient_surface.h"
#include "engine/m11_conversion.h"
#include "converter/m11_window.h"
#include "platform/scripted_modal.h"

namespace {

using bench::gradient_surface;

void m11_mono_walk_512x767(benchmark::State& state) {
    const platform::MemorySurface source = gradient_surface(512, 767);
    const auto plan = converter::m11::plan_conversion(512, 767, 8);
    for (auto _ : state) {
        platform::MemorySurface surface = source;
        benchmark::DoNotOptimize(converter::m11::walk_mono_11m(surface, plan, 128));
    }
}
BENCHMARK(m11_mono_walk_512x767)->Unit(benchmark::kMicrosecond);

void m11_colour_walk_256x767(benchmark::State& state) {
    const platform::MemorySurface source = gradient_surface(256, 767);
    const auto plan = converter::m11::plan_conversion(256, 767, 4);
    converter::SwapFlags flags{};
    flags[0] = true;
    for (auto _ : state) {
        platform::MemorySurface surface = source;
        benchmark::DoNotOptimize(converter::m11::walk_colour_11m(surface, plan, {}, flags));
    }
}
BENCHMARK(m11_colour_walk_256x767)->Unit(benchmark::kMicrosecond);

// The 11M window with the test card loaded and the area grown with the
// buttons to the largest height: 512 x 767 monochrome or 256 x 767
// four-colour. Files go to a folder of their own.
struct LargestArea {
    explicit LargestArea(bool mono)
        : output(std::filesystem::temp_directory_path() / "kvaro_m11_bench"),
          state(output.string()),
          window(state, modal) {
        std::filesystem::create_directories(output);
        state.catalogs.set(catalogs::m11_catalog, output.string());
        modal.files.push_back(std::string(KVARO_SAMPLES) + "/testcard.bmp");
        action("open_mnu")->trigger();
        if (mono) {
            action("mono_col_mnu")->trigger();
            click("Check1");
            click("Command4", 8);
        }
        click("Check2");
        click("Command3", 31);
        click("Check2");
        click("Command3", 16);
        window.show();
        sized = window.area().width() == (mono ? 512 : 256) && window.area().height() == 767;
    }
    ~LargestArea() { std::filesystem::remove_all(output); }
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }
    void click(const char* name, int times = 1) {
        for (int i = 0; i < times; ++i) window.findChild<QToolButton*>(name)->click();
    }
    void convert(const char* item) {
        modal.answers = {platform::Answer::yes};
        modal.messages.clear();
        action(item)->trigger();
    }

    std::filesystem::path output;
    platform::ScriptedModal modal;
    converter::ConverterState state;
    converter::Form6 window;
    bool sized = false;
};

// Runs a command of the window over and over.
template <class Command>
void repeat(benchmark::State& state, LargestArea& area, Command command) {
    if (!area.sized) state.SkipWithError("the area did not reach its largest size");
    for (auto _ : state) command();
}

void m11_view_mono_512x767(benchmark::State& state) {
    LargestArea area(true);
    repeat(state, area, [&] { area.action("vm_mnu")->trigger(); });
}
BENCHMARK(m11_view_mono_512x767)->Unit(benchmark::kMillisecond);

void m11_convert_mono_512x767(benchmark::State& state) {
    LargestArea area(true);
    repeat(state, area, [&] { area.convert("convbw_mnu"); });
}
BENCHMARK(m11_convert_mono_512x767)->Unit(benchmark::kMillisecond);

void m11_view_colour_256x767(benchmark::State& state) {
    LargestArea area(false);
    repeat(state, area, [&] { area.action("vcol_mnu")->trigger(); });
}
BENCHMARK(m11_view_colour_256x767)->Unit(benchmark::kMillisecond);

void m11_convert_colour_256x767(benchmark::State& state) {
    LargestArea area(false);
    repeat(state, area, [&] { area.convert("convcol_mnu"); });
}
BENCHMARK(m11_convert_colour_256x767)->Unit(benchmark::kMillisecond);

}  // namespace
