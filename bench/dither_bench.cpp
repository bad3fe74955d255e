// Dithering speed on the largest 11M areas: 512 x 767 in monochrome and
// 256 x 767 in four colours, read, decided, drawn back and packed. Goal: at
// most 10 ms each. And on a 64 x 64 sprite, the smallest area, where what
// each call costs besides its pixels shows, as in a batch of sprites.
#include <benchmark/benchmark.h>

#include "bench/gradient_surface.h"
#include "engine/walks.h"

namespace {

using converter::Dither;

void dither_mono(benchmark::State& state, int width, int height) {
    const platform::MemorySurface source = bench::gradient_surface(width, height);
    for (auto _ : state) {
        platform::MemorySurface surface = source;
        benchmark::DoNotOptimize(converter::walk_mono(surface, 128, Dither(state.range(0))));
    }
}

void dither_colour(benchmark::State& state, int width, int height) {
    const platform::MemorySurface source = bench::gradient_surface(width, height);
    for (auto _ : state) {
        platform::MemorySurface surface = source;
        benchmark::DoNotOptimize(converter::walk_colour(surface, {}, {}, converter::all_flags_act,
                                                        Dither(state.range(0))));
    }
}

void each_dither(benchmark::internal::Benchmark* bench) {
    bench->ArgName("dither")->Unit(benchmark::kMillisecond);
    for (const converter::DitherInfo& info : converter::dithers) bench->Arg(int(info.dither));
}

BENCHMARK_CAPTURE(dither_mono, 512x767, 512, 767)->Apply(each_dither);
BENCHMARK_CAPTURE(dither_colour, 256x767, 256, 767)->Apply(each_dither);
BENCHMARK_CAPTURE(dither_mono, 64x64, 64, 64)->Apply(each_dither)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(dither_colour, 64x64, 64, 64)->Apply(each_dither)->Unit(benchmark::kMicrosecond);

}  // namespace
