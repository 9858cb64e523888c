// Pixel styles: fade, pivots, pixelate, dissolve and random bars.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/numerics.h"
#include "slideshow/draw.h"
#include "slideshow/effects_shaped_internal.h"
#include "slideshow/fixed_seed_random.h"
#include "slideshow/pixel_routines.h"

namespace vd {
namespace shaped_fx {
namespace {

constexpr double kPi = 3.14159265358979323846;

VD_SHAPED_FX(Fade) { BlendBlock(s, p, P, 0, 0, W, H); }

// The new picture swings into place about a corner pivot, from a quarter
// turn away at the start.
VD_SHAPED_FX(PivotTopLeft) { PivotSample(s, p, -1, -1, (100 - P) * kPi / 200); }
VD_SHAPED_FX(PivotBottomLeft) { PivotSample(s, p, -1, H, (P - 100) * kPi / 200); }
VD_SHAPED_FX(PivotTopRight) { PivotSample(s, p, W, -1, (P - 100) * kPi / 200); }
VD_SHAPED_FX(PivotBottomRight) { PivotSample(s, p, W, H, (100 - P) * kPi / 200); }

// A zoom into the old frame that turns blocky, then a zoom out of the new
// picture; around the middle the zoomed block is blended towards the new
// picture.
VD_SHAPED_FX(Pixelate) {
    const TSurface* src = &s;
    int k, ex, ey;
    if (P > 50) {
        src = &p;
        k = 180 + MulDiv(P - 100, 82, 50);
        ex = W - X;
        ey = H - Y;
    } else {
        k = 180 - MulDiv(P, 82, 50);
        ex = X;
        ey = Y;
    }
    const int ox = MulDiv(ex, k, 100), oy = MulDiv(ey, k, 100);
    const int sw = std::max(W - 2 * ox, 2), sh = std::max(H - 2 * oy, 2);
    if (P > 40 && P < 60) {
        BlendBlock(s, p, 5 * P - 200, ox, oy, sw, sh);
        src = &s;
    }
    StretchRect(s, -2 * ox, -2 * oy, W + 4 * ox, H + 4 * oy, *src, ox, oy, sw, sh);
}

// Dissolve and the random bars replay the same sequence, seeded by the
// picture size, in every frame: a pixel, row or column is taken from the
// new picture when its draw falls below the progress, and stays taken.
VD_SHAPED_FX(Dissolve) {
    const int w = std::min({W, s.Width(), p.Width()});
    const int h = std::min({H, s.Height(), p.Height()});
    if (w <= 0 || h <= 0) return;
    // Eight interleaved copies of the sequence, each stepping eight draws at
    // a time, decide eight pixels at once; the stream itself stays the one
    // sequence, pixel by pixel in storage order.
    TFixedSeedRandom random(static_cast<uint32_t>(W + H));
    const TFixedSeedRandom::TPercentTest below(P);
    const TFixedSeedRandom::TJump by8 = TFixedSeedRandom::Jump(8);
    const TFixedSeedRandom::TJump byRow = TFixedSeedRandom::Jump(static_cast<uint32_t>(w));
    uint32_t lane[8];
    for (int y = h - 1; y >= 0; --y) {  // storage order
        uint32_t* d = s.Row(y);
        const uint32_t* from = p.Row(y);
        TFixedSeedRandom row = random;
        for (uint32_t& l : lane) l = row.Next();
        int x = 0;
        for (; x + 8 <= w; x += 8) {
            for (int k = 0; k < 8; ++k) {
                const uint32_t m = below.Passes(lane[k]) ? kColorMask : 0u;
                d[x + k] ^= (d[x + k] ^ from[x + k]) & m;
                lane[k] = by8.Apply(lane[k]);
            }
        }
        for (int k = 0; x < w; ++x, ++k)
            if (below.Passes(lane[k])) d[x] = WithColorOf(d[x], from[x]);
        random.Skip(byRow);
    }
}

VD_SHAPED_FX(RandomBarsHorizontal) {
    TFixedSeedRandom random(static_cast<uint32_t>(W + H));
    const TFixedSeedRandom::TPercentTest below(P);
    const int w = std::min({W, s.Width(), p.Width()});
    for (int y = std::min({H, s.Height(), p.Height()}) - 1; y >= 0; --y)  // storage order
        if (random.Below(below)) MergeRow(s.Row(y), p.Row(y), w);
}

VD_SHAPED_FX(RandomBarsVertical) {
    TFixedSeedRandom random(static_cast<uint32_t>(W + H));
    const TFixedSeedRandom::TPercentTest below(P);
    const int w = std::min({W, s.Width(), p.Width()});
    const int h = std::min({H, s.Height(), p.Height()});
    // The colour bits each column takes from the new picture.
    std::vector<uint32_t> take(static_cast<size_t>(std::max(w, 0)));
    bool any = false;
    for (int x = 0; x < w; ++x) {
        const bool t = random.Below(below);
        take[static_cast<size_t>(x)] = t ? kColorMask : 0u;
        any |= t;
    }
    if (!any) return;
    for (int y = 0; y < h; ++y) {
        uint32_t* d = s.Row(y);
        const uint32_t* from = p.Row(y);
        for (int x = 0; x < w; ++x) d[x] ^= (d[x] ^ from[x]) & take[static_cast<size_t>(x)];
    }
}

const TStyleProc kPixels[] = {
    {118, Fade},     {119, PivotTopLeft}, {120, PivotBottomLeft},      {121, PivotTopRight},
    {122, PivotBottomRight}, {168, Pixelate}, {169, Dissolve},         {170, RandomBarsHorizontal},
    {171, RandomBarsVertical},
};

}  // namespace

TEffectProc PixelEffect(int style) { return Find(kPixels, style); }

}  // namespace shaped_fx
}  // namespace vd
