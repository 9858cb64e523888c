// Grids of small shapes, blinds, stripes and random squares: many small
// rectangles or shapes revealed as one region; a frame that adds none draws
// nothing.
#include <algorithm>
#include <optional>

#include "core/numerics.h"
#include "slideshow/complex_region.h"
#include "slideshow/effects_shaped_internal.h"
#include "slideshow/fixed_seed_random.h"

namespace vd {
namespace shaped_fx {
namespace {

// Triangles pointing down that grow from the centres of a staggered grid.
VD_SHAPED_FX(TriangularShred) {
    const int w = W / 10 + 1, n = H / 10 + 1;
    const int dx = MulDiv(w, P, 50), dy = MulDiv(n, P, 50);
    TRegionMask all(PictureRect(W, H));
    for (int x = w; x - w < W; x += 2 * w)
        for (int y = n; y - n < H + n; y += 2 * n) {
            const TPoint t[] = {{x - dx, y - dy}, {x, y + dy}, {x + dx, y - dy}};
            all.AddPolygon(t, 3);
        }
    all.Reveal(s, p);
}

VD_SHAPED_FX(BlindVertically) {
    const int n = W / 40 + 1, a = MulDiv(n, P, 100);
    TComplexRegion list;
    for (int x = 0; x < W; x += 2 * n) list.AddRect(x + n - a, 0, x + n + a, H);
    RevealRects(s, p, list, W, H);
}
VD_SHAPED_FX(BlindHorizontally) {
    const int n = H / 40 + 1, a = MulDiv(n, P, 100);
    TComplexRegion list;
    for (int y = 0; y < H; y += 2 * n) list.AddRect(0, y + n - a, W, y + n + a);
    RevealRects(s, p, list, W, H);
}

// Uneven blinds: X (or Y) wide cells, each filled MulDiv(X, P, 100) from
// one side.
void BlindsFromLeft(TComplexRegion& list, int W, int H, int X, int P) {
    const int a = MulDiv(X, P, 100);
    for (int x = 0; x < W; x += X) list.AddRect(x, 0, x + a, H);
}
void BlindsFromRight(TComplexRegion& list, int W, int H, int X, int P) {
    const int a = MulDiv(X, P, 100);
    for (int b = W; b > 0; b -= X) list.AddRect(b - a, 0, b, H);
}
void BlindsFromTop(TComplexRegion& list, int W, int H, int Y, int P) {
    const int a = MulDiv(Y, P, 100);
    for (int y = 0; y < H; y += Y) list.AddRect(0, y, W, y + a);
}
void BlindsFromBottom(TComplexRegion& list, int W, int H, int Y, int P) {
    const int a = MulDiv(Y, P, 100);
    for (int b = H; b > 0; b -= Y) list.AddRect(0, b - a, W, b);
}

VD_SHAPED_FX(UnevenBlindFromLeft) {
    if (X <= 0) return;
    TComplexRegion list;
    BlindsFromLeft(list, W, H, X, P);
    RevealRects(s, p, list, W, H);
}
VD_SHAPED_FX(UnevenBlindFromRight) {
    if (X <= 0) return;
    TComplexRegion list;
    BlindsFromRight(list, W, H, X, P);
    RevealRects(s, p, list, W, H);
}
VD_SHAPED_FX(UnevenBlindFromTop) {
    if (Y <= 0) return;
    TComplexRegion list;
    BlindsFromTop(list, W, H, Y, P);
    RevealRects(s, p, list, W, H);
}
VD_SHAPED_FX(UnevenBlindFromBottom) {
    if (Y <= 0) return;
    TComplexRegion list;
    BlindsFromBottom(list, W, H, Y, P);
    RevealRects(s, p, list, W, H);
}

VD_SHAPED_FX(RectangularShred) {
    const int n = std::min(W, H) / 10 + 1, a = MulDiv(n, P, 100);
    TComplexRegion list;
    for (int x = 0; x < W; x += 2 * n)
        for (int y = 0; y < H; y += 2 * n) list.AddRect(x + n - a, y + n - a, x + n + a, y + n + a);
    RevealRects(s, p, list, W, H);
}

// Full-width stripes, 2a high, every 3t rows from -t (t = H / 20), with the
// uneven blinds across them; `fromLeft` picks the blinds' side.
void StripesAndColumnBlinds(TSurface& s, const TSurface& p, int W, int H, int X, int P, bool fromLeft) {
    const int t = H / 20;
    if (X <= 0 || t <= 0) return;
    const int a = MulDiv(t, P, 100);
    TComplexRegion list;
    for (int b = -t; b < H; b += 3 * t) list.AddRect(0, b - a, W, b + a);
    if (fromLeft)
        BlindsFromLeft(list, W, H, X, P);
    else
        BlindsFromRight(list, W, H, X, P);
    RevealRects(s, p, list, W, H);
}
void StripesAndRowBlinds(TSurface& s, const TSurface& p, int W, int H, int Y, int P, bool fromTop) {
    const int t = W / 20;
    if (t <= 0 || Y <= 0) return;
    const int a = MulDiv(t, P, 100);
    TComplexRegion list;
    for (int b = -t; b < W; b += 3 * t) list.AddRect(b - a, 0, b + a, H);
    if (fromTop)
        BlindsFromTop(list, W, H, Y, P);
    else
        BlindsFromBottom(list, W, H, Y, P);
    RevealRects(s, p, list, W, H);
}

VD_SHAPED_FX(RectanglesFromLeft) { StripesAndColumnBlinds(s, p, W, H, X, P, true); }
VD_SHAPED_FX(RectanglesFromRight) { StripesAndColumnBlinds(s, p, W, H, X, P, false); }
VD_SHAPED_FX(RectanglesFromTop) { StripesAndRowBlinds(s, p, W, H, Y, P, true); }
VD_SHAPED_FX(RectanglesFromBottom) { StripesAndRowBlinds(s, p, W, H, Y, P, false); }

VD_SHAPED_FX(CircularShred) {
    const int n = std::min(W, H) / 10 + 1, r = MulDiv(3 * n, P, 200);
    TRegionMask all(PictureRect(W, H));
    for (int x = 0; x < W; x += 2 * n)
        for (int y = 0; y < H; y += 2 * n) all.AddEllipse({x + n - r, y + n - r, x + n + r, y + n + r});
    all.Reveal(s, p);
}

VD_SHAPED_FX(DiamondShred) {
    const int m = std::min(W, H) / 10 + 1, b = MulDiv(m, P, 50);
    TRegionMask all(PictureRect(W, H));
    for (int x = m; x - m < W; x += 2 * m)
        for (int y = m; y - m < H; y += 2 * m) {
            const TPoint d[] = {{x - b, y}, {x, y - b}, {x + b, y}, {x, y + b}};
            all.AddPolygon(d, 4);
        }
    all.Reveal(s, p);
}

// Squares of a fixed grid, each shown when its draw from a sequence seeded
// by the picture size falls below the progress, so a square once shown
// stays shown.
VD_SHAPED_FX(RandomSquares) {
    const int m = std::min(W, H);
    const int cell = 2 * (m / 50) + 2;
    TFixedSeedRandom random(static_cast<uint32_t>((m / 50 + 1) * (W + H)));
    TComplexRegion list;
    for (int c = 0; c < W; c += cell)
        for (int f = 0; f < H; f += cell)
            if (random.Random(100) < P) list.AddRect(c, f, c + cell, f + cell);
    RevealRects(s, p, list, W, H);
}

const TStyleProc kGrids[] = {
    {117, TriangularShred},     {127, RandomSquares},        {136, BlindVertically},
    {137, BlindHorizontally},   {138, UnevenBlindFromLeft},  {139, UnevenBlindFromRight},
    {140, UnevenBlindFromTop},  {141, UnevenBlindFromBottom}, {142, RectangularShred},
    {145, RectanglesFromLeft},  {146, RectanglesFromRight},  {147, RectanglesFromTop},
    {148, RectanglesFromBottom}, {152, CircularShred},       {164, DiamondShred},
};

}  // namespace

TEffectProc GridEffect(int style) { return Find(kGrids, style); }

}  // namespace shaped_fx
}  // namespace vd
