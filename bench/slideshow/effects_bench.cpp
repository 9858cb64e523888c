// Every transition style rendering a mid-transition frame (progress 50),
// beside a copy of one whole frame (the baseline: RenderFrame copies the
// start frame into the screen before every effect). The cost of a routine
// does not depend on the pixels it reads, so each iteration runs the effect
// on the screen as the previous iteration left it.
#include <benchmark/benchmark.h>

#include <cstring>

#include "core/random.h"
#include "slideshow/effect_table.h"
#include "slideshow/extents.h"
#include "slideshow/surface.h"

namespace {

vd::TSurface Frame(int w, int h, uint32_t salt) {
    vd::TSurface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.At(x, y) = 0xFF000000u | ((x * 2654435761u + y * 40503u + salt) & 0xFFFFFFu);
    return s;
}

void RunEffect(benchmark::State& state, int w, int h) {
    const int style = static_cast<int>(state.range(0));
    const vd::TEffect* effect = vd::EffectByStyle(style);
    if (!effect || !effect->Proc) {
        state.SkipWithError("style has no routine in this build");
        return;
    }
    vd::TSurface screen = Frame(w, h, 1);
    const vd::TSurface picture = Frame(w, h, 77);
    const vd::TExtents e = vd::ProgressExtents(w, h, 50);
    vd::SetRandSeed(12345);
    for (auto _ : state) {
        effect->Proc(screen, picture, w, h, e.X, e.Y, 50);
        benchmark::DoNotOptimize(screen.Bits());
        benchmark::ClobberMemory();
    }
    state.SetLabel(effect->Name);
}

void RunFrameCopy(benchmark::State& state, int w, int h) {
    vd::TSurface screen = Frame(w, h, 1);
    const vd::TSurface start = Frame(w, h, 77);
    for (auto _ : state) {
        std::memcpy(screen.Bits(), start.Bits(), screen.ByteSize());
        benchmark::DoNotOptimize(screen.Bits());
        benchmark::ClobberMemory();
    }
}

void BM_Effect(benchmark::State& state) { RunEffect(state, 503, 186); }
void BM_FrameCopy(benchmark::State& state) { RunFrameCopy(state, 503, 186); }
void BM_EffectFullHD(benchmark::State& state) { RunEffect(state, 1920, 1080); }
void BM_FrameCopyFullHD(benchmark::State& state) { RunFrameCopy(state, 1920, 1080); }

BENCHMARK(BM_FrameCopy);
BENCHMARK(BM_Effect)->DenseRange(1, vd::kEffectCount);
BENCHMARK(BM_FrameCopyFullHD);
BENCHMARK(BM_EffectFullHD)->DenseRange(1, vd::kEffectCount);

}  // namespace

BENCHMARK_MAIN();
