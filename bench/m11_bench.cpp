// 11M conversion speed at the largest areas the window allows 512 and 256
// pixels wide: the walks on a surface in memory, and the View and Convert
// commands of an offscreen 11M window.
#include <benchmark/benchmark.h>

#include "bench/gradient_surface.h"
#include "bench/largest_11m_area.h"
#include "engine/m11_conversion.h"

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

using bench::LargestArea;

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
