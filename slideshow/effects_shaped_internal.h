// Shared pieces of the shaped-style families: each family file lists its
// routines by style, and the region shorthands they build from. All regions
// are clipped to the picture rectangle (0, 0, W, H).
#pragma once
#include <initializer_list>
#include <vector>

#include "slideshow/effect.h"
#include "slideshow/complex_region.h"
#include "slideshow/effect_builders.h"
#include "slideshow/region.h"
#include "slideshow/region_mask.h"

namespace vd {
namespace shaped_fx {

struct TStyleProc {
    int Style;
    TEffectProc Proc;
};

// Routine of `style` in a family's list, nullptr when it is not there.
template <size_t N>
TEffectProc Find(const TStyleProc (&list)[N], int style) {
    for (const TStyleProc& e : list)
        if (e.Style == style) return e.Proc;
    return nullptr;
}

TEffectProc CurveEffect(int style);     // 58, 59, 69, 70, 80..85
TEffectProc BarEffect(int style);       // 60..68, 71..79, 86..109, 123..126
TEffectProc TriangleEffect(int style);  // 110..116, 153..167
TEffectProc RotatingEffect(int style);  // 143, 144, 149..151
TEffectProc GridEffect(int style);      // 117, 127, 136..142, 145..148, 152, 164
TEffectProc PixelEffect(int style);     // 118..122, 168..171

// Declares an effect routine with the inputs named as in the style tables:
// Screen s, Picture p, W, H, X, Y and progress P.
#define VD_SHAPED_FX(name)                                                                  \
    void name(TSurface& s, const TSurface& p, [[maybe_unused]] int W, [[maybe_unused]] int H, \
              [[maybe_unused]] int X, [[maybe_unused]] int Y, [[maybe_unused]] int P)

inline TRegion Full(int w, int h) { return TRegion::Rect({0, 0, w, h}, PictureRect(w, h)); }
inline TRegion Poly(std::initializer_list<TPoint> pts, int w, int h) {
    return TRegion::Polygon(pts.begin(), pts.size(), PictureRect(w, h));
}
inline TRegion RRect(int l, int t, int r, int b, int ew, int eh, int w, int h) {
    return TRegion::RoundRect({l, t, r, b}, ew, eh, PictureRect(w, h));
}

// The union of a few regions.
inline TRegion UnionOf(std::initializer_list<const TRegion*> parts) {
    TRegion r;
    for (const TRegion* p : parts) r = Union(r, *p);
    return r;
}
template <typename... R>
TRegion UnionOf(const R&... parts) {
    return UnionOf({&parts...});
}

// Reveals the union of a rectangle list, nothing when it holds none.
inline void RevealRects(TSurface& s, const TSurface& p, const TComplexRegion& list, int w, int h) {
    TRegionMask mask(PictureRect(w, h));
    if (list.AddTo(mask)) mask.Reveal(s, p);
}

}  // namespace shaped_fx
}  // namespace vd
