// Shared shorthand of the stretch, slide, reveal and push styles. Private to
// the effects_stretch*.cpp files.
#pragma once
#include "slideshow/draw.h"
#include "slideshow/effect.h"

namespace vd {
namespace stretch_fx {

// P(sx, sy, sw, sh) => S(dx, dy, dw, dh): a Picture rectangle onto a Screen
// rectangle (stretched when the sizes differ).
inline void PtoS(TSurface& s, const TSurface& p, int sx, int sy, int sw, int sh,
                 int dx, int dy, int dw, int dh) {
    StretchRect(s, dx, dy, dw, dh, p, sx, sy, sw, sh);
}

// S(...) => S(...): the same within Screen; the source is read whole first.
inline void StoS(TSurface& s, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) {
    StretchRect(s, dx, dy, dw, dh, s, sx, sy, sw, sh);
}

// P(x, y, w, h) => S in place.
inline void InPlace(TSurface& s, const TSurface& p, int x, int y, int w, int h) {
    CopyInPlace(s, p, x, y, w, h);
}

// Width of the curl of the unroll styles for a picture `size` pixels wide
// (high) unrolled `extent` pixels: a tenth of the size, at most the unrolled
// part, and at most half of what remains.
int CurlWidth(int size, int extent);

// Routines of the three families (nullptr outside each family's styles).
TEffectProc SlideProc(int style);   // 1..13, 16..30, 33..57
TEffectProc UnrollProc(int style);  // 14, 15, 31, 32
TEffectProc PushProc(int style);    // 128..135

}  // namespace stretch_fx
}  // namespace vd

// Defines the routine of one style with the effect parameters named
// s (Screen), p (Picture), W, H, X, Y and progress.
#define VD_STRETCH_STYLE(n)                                                               \
    void Style##n([[maybe_unused]] ::vd::TSurface& s, [[maybe_unused]] const ::vd::TSurface& p, \
                  [[maybe_unused]] int W, [[maybe_unused]] int H, [[maybe_unused]] int X,    \
                  [[maybe_unused]] int Y, [[maybe_unused]] int progress)
