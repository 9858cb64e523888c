// The transition engine with fuzzed style, picture size (0 and 1 included),
// progress, process-wide seed and pixels. One frame is rendered as the
// slideshow renders it; the routine must stay inside the surfaces, keep
// every pixel's fourth byte, and leave the process-wide seed as it found it
// unless it is one of the styles that draw from it as it stands.
//
// Input: style, width low byte, height low byte, high bits, progress, four
// seed bytes, four pixel-pattern bytes (missing bytes count as 0).
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/random.h"
#include "slideshow/effect_table.h"
#include "slideshow/extents.h"

namespace {

constexpr int kMaxArea = 1 << 16;

bool DrawsFromTheProcessSeed(int style) {
    return (style >= 65 && style <= 68) || (style >= 76 && style <= 79) || (style >= 100 && style <= 109) ||
           (style >= 123 && style <= 126);
}

void Fill(vd::TSurface& s, uint32_t seed) {
    uint32_t* p = s.Bits();
    for (size_t i = 0, n = s.ByteSize() / 4; i < n; ++i) {
        seed = seed * 1664525u + 1013904223u;
        p[i] = seed;
    }
}

[[noreturn]] void Fail(const char* what, int style, int w, int h, int progress) {
    std::fprintf(stderr, "style %d, %dx%d, progress %d: %s\n", style, w, h, progress, what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint8_t in[13] = {};
    for (size_t i = 0; i < sizeof in && i < size; ++i) in[i] = data[i];
    const int style = in[0] % (vd::kEffectCount + 2);  // 0 and 172 have no row
    const int w = in[1] | ((in[3] & 1) << 8);
    const int h = in[2] | ((in[3] & 2) << 7);
    const int progress = 1 + in[4] % 99;
    const uint32_t seed = in[5] | (in[6] << 8) | (in[7] << 16) | (uint32_t{in[8]} << 24);
    const uint32_t pattern = in[9] | (in[10] << 8) | (in[11] << 16) | (uint32_t{in[12]} << 24);

    const vd::TEffect* effect = vd::EffectByStyle(style);
    if (style < 1 || style > vd::kEffectCount) {
        if (effect) Fail("a style outside 1..171 has a row", style, w, h, progress);
        return 0;
    }
    if (!effect || !effect->Proc) Fail("a style has no routine", style, w, h, progress);
    if (w * h > kMaxArea) return 0;

    vd::TSurface screen(w, h), picture(w, h);
    Fill(screen, pattern);
    Fill(picture, ~pattern * 2654435761u);
    const vd::TSurface start = screen;
    const vd::TExtents e = vd::ProgressExtents(w, h, progress);
    if (e.X < 0 || e.X > w || e.Y < 0 || e.Y > h) Fail("extents outside the picture", style, w, h, progress);

    vd::SetRandSeed(seed);
    effect->Proc(screen, picture, w, h, e.X, e.Y, progress);
    if (!DrawsFromTheProcessSeed(style) && vd::RandSeed() != seed)
        Fail("the process-wide seed changed", style, w, h, progress);
    const uint32_t* a = start.Bits();
    const uint32_t* b = screen.Bits();
    for (size_t i = 0, n = start.ByteSize() / 4; i < n; ++i)
        if ((a[i] ^ b[i]) & vd::kFourthByteMask) Fail("a fourth byte changed", style, w, h, progress);
    return 0;
}
