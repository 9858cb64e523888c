// Sweeps (a circular sector growing around the centre) and rotating figures
// (two full turns over the transition).
#include <cmath>

#include "slideshow/effects_shaped_internal.h"

namespace vd {
namespace shaped_fx {
namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

// The smallest integer not below sqrt(a^2 + b^2).
int CeilHypot(int a, int b) {
    const int64_t sq = static_cast<int64_t>(a) * a + static_cast<int64_t>(b) * b;
    int64_t r = static_cast<int64_t>(std::sqrt(static_cast<double>(sq)));
    while (r * r < sq) ++r;
    while (r > 0 && (r - 1) * (r - 1) >= sq) --r;
    return static_cast<int>(r);
}

// The sector starts at twelve o'clock; `dir` +1 turns clockwise, -1 anticlockwise.
void Sweep(TSurface& s, const TSurface& p, int W, int H, int P, int dir) {
    const int cx = W / 2, cy = H / 2;
    const long double start = -kPi / 2;
    const long double end = dir * P * kPi / 50 - kPi / 2;
    Reveal(s, p, SectorPolygon(cx, cy, CeilHypot(cx, cy), P, start, end, W, H));
}

VD_SHAPED_FX(SweepClockwise) { Sweep(s, p, W, H, P, 1); }
VD_SHAPED_FX(SweepAnticlockwise) { Sweep(s, p, W, H, P, -1); }

void RevealRotated(TSurface& s, const TSurface& p, int W, int H, TPoint* pts, size_t n, int ax, int ay, int P) {
    RotatePoints(pts, n, ax, ay, P * kPi / 50);
    Reveal(s, p, TRegion::Polygon(pts, n, PictureRect(W, H)));
}

VD_SHAPED_FX(RotationalRectangle) {
    const int cx = W / 2, cy = H / 2, h = X / 2, v = Y / 2;
    TPoint pts[] = {{cx - h, cy - v}, {cx + h, cy - v}, {cx + h, cy + v}, {cx - h, cy + v}};
    RevealRotated(s, p, W, H, pts, 4, cx, cy, P);
}
VD_SHAPED_FX(RotationalStar) {
    const int cx = W / 2, cy = H / 2, h = X / 2, v = Y / 2;
    TPoint pts[] = {{cx - 2 * X, cy}, {cx - h, cy - v}, {cx, cy - 2 * Y}, {cx + h, cy - v},
                    {cx + 2 * X, cy}, {cx + h, cy + v}, {cx, cy + 2 * Y}, {cx - h, cy + v}};
    RevealRotated(s, p, W, H, pts, 8, cx, cy, P);
}
// The rectangle of the rotational rectangle, turning about (X, Y).
VD_SHAPED_FX(SpiralRectangle) {
    const int cx = W / 2, cy = H / 2, h = X / 2, v = Y / 2;
    TPoint pts[] = {{cx - h, cy - v}, {cx + h, cy - v}, {cx + h, cy + v}, {cx - h, cy + v}};
    RevealRotated(s, p, W, H, pts, 4, X, Y, P);
}

const TStyleProc kRotating[] = {
    {143, SweepClockwise},      {144, SweepAnticlockwise}, {149, RotationalRectangle},
    {150, RotationalStar},      {151, SpiralRectangle},
};

}  // namespace

TEffectProc RotatingEffect(int style) { return Find(kRotating, style); }

}  // namespace shaped_fx
}  // namespace vd
