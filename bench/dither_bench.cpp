// Dithering speed on the largest 11M areas: 512 x 767 in monochrome and
// 256 x 767 in four colours, read, decided, drawn back and packed. Goal: at
// most 10 ms each. And on a 64 x 64 sprite.
#include <benchmark/benchmark.h>

#include "bench/gradient_surface.h"
#include "engine/walks.h"

namespace {

using converter::Dither;

void dither_mono_512x767(benchmark::State& state) {
    const platform::MemorySurface source = bench::gradient_surface(512, 767);
    for (auto _ : state) {
        platform::MemorySurface surface = source;
        benchmark::DoNotOptimize(converter::walk_mono(surface, 128, Dither(state.range(0))));
    }
}

void dither_colour_256x767(benchmark::State& state) {
    const platform::MemorySurface source = bench::gradient_surface(256, 767);
    for (auto _ : state) {
        platform::MemorySurface surface = source;
        benchmark::DoNotOptimize(converter::walk_colour(surface, {}, {}, converter::all_flags_act,
                                                        Dither(state.range(0))));
    }
}

// A sprite, the smallest area: what each call costs besides its pixels
// shows here, as in a batch of sprites.
void dither_colour_64x64(benchmark::State& state) {
    const platform::MemorySurface source = bench::gradient_surface(64, 64);
    for (auto _ : state) {
        platform::MemorySurface surface = source;
        benchmark::DoNotOptimize(converter::walk_colour(surface, {}, {}, converter::all_flags_act,
                                                        Dither(state.range(0))));
    }
}

void dither_mono_64x64(benchmark::State& state) {
    const platform::MemorySurface source = bench::gradient_surface(64, 64);
    for (auto _ : state) {
        platform::MemorySurface surface = source;
        benchmark::DoNotOptimize(converter::walk_mono(surface, 128, Dither(state.range(0))));
    }
}

void each_dither(benchmark::internal::Benchmark* bench) {
    bench->ArgName("dither")->Unit(benchmark::kMillisecond);
    for (const converter::DitherInfo& info : converter::dithers) bench->Arg(int(info.dither));
}

BENCHMARK(dither_mono_512x767)->Apply(each_dither);
BENCHMARK(dither_colour_256x767)->Apply(each_dither);
BENCHMARK(dither_colour_64x64)->Apply(each_dither)->Unit(benchmark::kMicrosecond);
BENCHMARK(dither_mono_64x64)->Apply(each_dither)->Unit(benchmark::kMicrosecond);

}  // namespace
