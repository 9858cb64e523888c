// Styles 14, 15, 31 and 32: the new picture is unrolled like a sheet, with
// a mirrored and shaded curl at its edge. The curl is r columns (rows) wide:
// a tenth of the picture, less at the start (never wider than the unrolled
// part) and near the end (never running past the far edge).
#include "slideshow/effects_stretch_internal.h"
#include "slideshow/pixel_routines.h"

namespace vd {
namespace stretch_fx {
namespace {

// Screen column dst0 - k takes Picture column src0 + k, k = 0 .. n - 1, all
// rows; a column outside either surface is skipped.
void MirrorColumns(TSurface& s, const TSurface& p, int dst0, int src0, int n) {
    for (int y = 0; y < s.Height() && y < p.Height(); ++y) {
        uint32_t* out = s.Row(y);
        const uint32_t* in = p.Row(y);
        for (int k = 0; k < n; ++k) {
            const int dx = dst0 - k, sx = src0 + k;
            if (dx < 0 || dx >= s.Width() || sx < 0 || sx >= p.Width()) continue;
            out[dx] = WithColorOf(out[dx], in[sx]);
        }
    }
}

// Screen row dst0 - k takes Picture row src0 + k, k = 0 .. n - 1; a row
// outside either surface is skipped.
void MirrorRows(TSurface& s, const TSurface& p, int dst0, int src0, int n) {
    const int w = s.Width() < p.Width() ? s.Width() : p.Width();
    for (int k = 0; k < n; ++k) {
        const int dy = dst0 - k, sy = src0 + k;
        if (dy < 0 || dy >= s.Height() || sy < 0 || sy >= p.Height()) continue;
        MergeRow(s.Row(dy), p.Row(sy), w);
    }
}

// The curl is darkened by a ramp of amplitude 48.
constexpr int kCurlShade = 48;

}  // namespace

int CurlWidth(int size, int extent) {
    int r = size / 10;
    if (extent < r) {
        r = extent;
    } else if (size - extent < 2 * r) {
        r = (size - extent) / 2;
    }
    return r;
}

namespace {

VD_STRETCH_STYLE(14) {
    const int r = CurlWidth(W, X);
    MirrorColumns(s, p, X + r - 1, X + r, r);
    InPlace(s, p, 0, 0, X, H);
    ShadeColumns(s, kCurlShade, X, r);
}
VD_STRETCH_STYLE(15) {
    const int r = CurlWidth(W, X), x = W - X;
    MirrorColumns(s, p, x - 1, x - 2 * r - 1, r);
    InPlace(s, p, x, 0, X, H);
    ShadeColumns(s, kCurlShade, x - r, r);
}
VD_STRETCH_STYLE(31) {
    const int r = CurlWidth(H, Y);
    MirrorRows(s, p, Y + r - 1, Y + r, r);
    InPlace(s, p, 0, 0, W, Y);
    ShadeRows(s, kCurlShade, Y, r);
}
VD_STRETCH_STYLE(32) {
    const int r = CurlWidth(H, Y), y = H - Y;
    MirrorRows(s, p, y - 1, y - 2 * r - 1, r);
    InPlace(s, p, 0, y, W, Y);
    ShadeRows(s, kCurlShade, y - r, r);
}

}  // namespace

TEffectProc UnrollProc(int style) {
    switch (style) {
        case 14: return Style14;
        case 15: return Style15;
        case 31: return Style31;
        case 32: return Style32;
        default: return nullptr;
    }
}

}  // namespace stretch_fx
}  // namespace vd
