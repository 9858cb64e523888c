// Triangles, wedges, crosses, diamonds and zigzags: polygons through points
// computed from the extents.
#include "core/numerics.h"
#include "slideshow/effects_shaped_internal.h"

namespace vd {
namespace shaped_fx {
namespace {

VD_SHAPED_FX(DiagonalFromTopLeft) { Reveal(s, p, Poly({{0, 0}, {2 * X, 0}, {0, 2 * Y}}, W, H)); }
VD_SHAPED_FX(DiagonalFromTopRight) { Reveal(s, p, Poly({{W, 0}, {W - 2 * X, 0}, {W, 2 * Y}}, W, H)); }
VD_SHAPED_FX(DiagonalFromBottomLeft) { Reveal(s, p, Poly({{0, H}, {2 * X, H}, {0, H - 2 * Y}}, W, H)); }
VD_SHAPED_FX(DiagonalFromBottomRight) { Reveal(s, p, Poly({{W, H}, {W - 2 * X, H}, {W, H - 2 * Y}}, W, H)); }

VD_SHAPED_FX(DiagonalSweepAnticlockwise) {
    Reveal(s, p, UnionOf(Poly({{0, H}, {0, 0}, {X, H}}, W, H), Poly({{W, H}, {W, 0}, {W - X, 0}}, W, H)));
}
VD_SHAPED_FX(DiagonalSweepClockwise) {
    Reveal(s, p, UnionOf(Poly({{W, 0}, {0, 0}, {W, Y}}, W, H), Poly({{W, H}, {0, H}, {0, H - Y}}, W, H)));
}

// Four wedges from the centre, each to a corner and a point travelling
// along the edge from that corner.
VD_SHAPED_FX(StarburstClockwise) {
    const int cx = W / 2, cy = H / 2;
    Reveal(s, p,
           UnionOf(Poly({{cx, cy}, {0, 0}, {X, 0}}, W, H), Poly({{cx, cy}, {W, 0}, {W, Y}}, W, H),
                   Poly({{cx, cy}, {W, H}, {W - X, H}}, W, H), Poly({{cx, cy}, {0, H}, {0, H - Y}}, W, H)));
}
VD_SHAPED_FX(StarburstAnticlockwise) {
    const int cx = W / 2, cy = H / 2;
    Reveal(s, p,
           UnionOf(Poly({{cx, cy}, {0, 0}, {0, Y}}, W, H), Poly({{cx, cy}, {0, H}, {X, H}}, W, H),
                   Poly({{cx, cy}, {W, H}, {W, H - Y}}, W, H), Poly({{cx, cy}, {W, 0}, {W - X, 0}}, W, H)));
}

VD_SHAPED_FX(VFromLeft) {
    const int cy = H / 2;
    Reveal(s, p, Poly({{0, cy - Y}, {2 * X, cy}, {0, cy + Y}}, W, H));
}
VD_SHAPED_FX(VFromRight) {
    const int cy = H / 2;
    Reveal(s, p, Poly({{W, cy - Y}, {W - 2 * X, cy}, {W, cy + Y}}, W, H));
}
VD_SHAPED_FX(VFromTop) {
    const int cx = W / 2;
    Reveal(s, p, Poly({{cx - X, 0}, {cx, 2 * Y}, {cx + X, 0}}, W, H));
}
VD_SHAPED_FX(VFromBottom) {
    const int cx = W / 2;
    Reveal(s, p, Poly({{cx - X, H}, {cx, H - 2 * Y}, {cx + X, H}}, W, H));
}
VD_SHAPED_FX(BowTieHorizontal) {
    const int cy = H / 2;
    Reveal(s, p, UnionOf(Poly({{0, cy - Y}, {X, cy}, {0, cy + Y}}, W, H),
                         Poly({{W, cy - Y}, {W - X, cy}, {W, cy + Y}}, W, H)));
}
VD_SHAPED_FX(BowTieVertical) {
    const int cx = W / 2;
    Reveal(s, p, UnionOf(Poly({{cx - X, 0}, {cx, 2 * Y}, {cx + X, 0}}, W, H),
                         Poly({{cx - X, H}, {cx, H - 2 * Y}, {cx + X, H}}, W, H)));
}

// The four triangles of the diagonal crosses: from the middle of each edge
// inwards, h deep across the left and right edges and v deep across the
// top and bottom edges.
TRegion CrossLeft(int W, int H, int h, int v) { return Poly({{0, H / 2 - v}, {h, H / 2}, {0, H / 2 + v}}, W, H); }
TRegion CrossRight(int W, int H, int h, int v) {
    return Poly({{W, H / 2 - v}, {W - h, H / 2}, {W, H / 2 + v}}, W, H);
}
TRegion CrossTop(int W, int H, int h, int v) { return Poly({{W / 2 - h, 0}, {W / 2, v}, {W / 2 + h, 0}}, W, H); }
TRegion CrossBottom(int W, int H, int h, int v) {
    return Poly({{W / 2 - h, H}, {W / 2, H - v}, {W / 2 + h, H}}, W, H);
}

VD_SHAPED_FX(DiagonalCrossIn) {
    const int h = X / 2, v = Y / 2;
    Reveal(s, p, UnionOf(CrossLeft(W, H, h, v), CrossRight(W, H, h, v), CrossTop(W, H, h, v),
                         CrossBottom(W, H, h, v)));
}
VD_SHAPED_FX(DiagonalCrossOut) {
    const int h = (W - X) / 2, v = (H - Y) / 2;
    TRegion r = Xor(Full(W, H), CrossLeft(W, H, h, v));
    r = Xor(r, CrossRight(W, H, h, v));
    r = Xor(r, CrossTop(W, H, h, v));
    Reveal(s, p, Xor(r, CrossBottom(W, H, h, v)));
}

VD_SHAPED_FX(DiamondOut) {
    const int cx = W / 2, cy = H / 2;
    Reveal(s, p, Poly({{cx - X, cy}, {cx, cy - Y}, {cx + X, cy}, {cx, cy + Y}}, W, H));
}
VD_SHAPED_FX(DiamondIn) {
    const int cx = W / 2, cy = H / 2;
    Reveal(s, p, Xor(Full(W, H), Poly({{X - cx, cy}, {cx, Y - cy}, {3 * cx - X, cy}, {cx, 3 * cy - Y}}, W, H)));
}
// A diamond ring growing outwards and inwards at once.
VD_SHAPED_FX(DiagonalBoxOut) {
    const int cx = W / 2, cy = H / 2, h = X / 2, v = Y / 2;
    Reveal(s, p, Xor(Poly({{-h, cy}, {cx, -v}, {2 * cx + h, cy}, {cx, 2 * cy + v}}, W, H),
                     Poly({{h, cy}, {cx, v}, {2 * cx - h, cy}, {cx, 2 * cy - v}}, W, H)));
}

// A band with zigzag edges growing from the middle: `along` is the extent
// of the axis the zigzag runs along, `across` the other one; c the band's
// half height and m its middle. The points come as (along, across).
std::vector<TPoint> ZigzagBand(int along, int across, int ext, int progress, bool swap) {
    const int step = along / 10, n = across / 10;
    const int c = MulDiv(n, progress, 100) + ext / 2, m = across / 2;
    std::vector<TPoint> pts;
    pts.reserve(24);
    auto add = [&](int a, int b) { pts.push_back(swap ? TPoint{b, a} : TPoint{a, b}); };
    for (int k = 0; k <= 11; ++k) add(k * step, k % 2 == 0 ? m - c + n : m - c - n);
    for (int k = 11; k >= 0; --k) add(k * step, k % 2 == 1 ? m + c - n : m + c + n);
    return pts;
}

VD_SHAPED_FX(ZigzagHorizontal) { Reveal(s, p, TRegion::Polygon(ZigzagBand(W, H, Y, P, false), PictureRect(W, H))); }
VD_SHAPED_FX(ZigzagVertical) { Reveal(s, p, TRegion::Polygon(ZigzagBand(H, W, X, P, true), PictureRect(W, H))); }

const TStyleProc kTriangles[] = {
    {110, DiagonalFromTopLeft},    {111, DiagonalFromTopRight}, {112, DiagonalFromBottomLeft},
    {113, DiagonalFromBottomRight}, {114, DiagonalSweepAnticlockwise},  {115, DiagonalSweepClockwise},
    {116, StarburstClockwise},     {153, VFromLeft},            {154, VFromRight},
    {155, VFromTop},               {156, VFromBottom},          {157, BowTieHorizontal},
    {158, BowTieVertical},         {159, DiagonalCrossIn},      {160, DiagonalCrossOut},
    {161, StarburstAnticlockwise}, {162, ZigzagHorizontal},     {163, ZigzagVertical},
    {165, DiamondOut},             {166, DiamondIn},            {167, DiagonalBoxOut},
};

}  // namespace

TEffectProc TriangleEffect(int style) { return Find(kTriangles, style); }

}  // namespace shaped_fx
}  // namespace vd
