// The gradient fill in every direction beside its baseline, a plain solid
// fill of the same area, at the wizard's bar size (the filled part of a
// 441 x 16 bar's 439 x 14 interior) and over a large area.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "controls/model/gradient.h"
#include "slideshow/surface.h"

namespace {

const vd::TColor kFrom = vd::RGB(26, 149, 217), kTo = vd::RGB(196, 219, 252);

void RunGradient(benchmark::State& state, int w, int h) {
    const auto d = static_cast<vd::TGradientDirection>(state.range(0));
    vd::TSurface s(w, h);
    for (auto _ : state) {
        vd::GradientFill(s, vd::TBox{0, 0, w, h}, kFrom, kTo, d);
        benchmark::DoNotOptimize(s.Bits());
        benchmark::ClobberMemory();
    }
    static const char* names[] = {"DiagonalUp",    "DiagonalDown", "HorizontalEnd",  "HorizontalCenter",
                                  "HorizontalBox", "VerticalEnd",  "VerticalCenter", "VerticalBox",
                                  "SquareBox",     "BigSquareBox"};
    state.SetLabel(names[state.range(0)]);
    state.SetItemsProcessed(state.iterations() * w * h);
}

void RunSolid(benchmark::State& state, int w, int h) {
    vd::TSurface s(w, h);
    for (auto _ : state) {
        for (int y = 0; y < h; ++y) std::fill_n(s.Row(y), w, 0x1A95D9u);
        benchmark::DoNotOptimize(s.Bits());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * w * h);
}

void BM_SolidBar(benchmark::State& state) { RunSolid(state, 439, 14); }
void BM_GradientBar(benchmark::State& state) { RunGradient(state, 439, 14); }
void BM_SolidLarge(benchmark::State& state) { RunSolid(state, 1920, 1080); }
void BM_GradientLarge(benchmark::State& state) { RunGradient(state, 1920, 1080); }

BENCHMARK(BM_SolidBar);
BENCHMARK(BM_GradientBar)->DenseRange(0, vd::kGradientDirectionCount - 1);
BENCHMARK(BM_SolidLarge);
BENCHMARK(BM_GradientLarge)->DenseRange(0, vd::kGradientDirectionCount - 1);

}  // namespace

BENCHMARK_MAIN();
