// Bars, criss-cross bars, uneven shreds and speckles: rectangle lists from
// the shared builders, revealed as one region.
#include "slideshow/effects_shaped_internal.h"

namespace vd {
namespace shaped_fx {
namespace {

// The extents are (KX * X, KY * Y); HM and VM are the builder's modes.
template <int KX, int KY, int HM, int VM>
VD_SHAPED_FX(Bars) {
    TComplexRegion list;
    AddBarRects(list, KX * X, KY * Y, W, H, HM, VM);
    RevealRects(s, p, list, W, H);
}

VD_SHAPED_FX(CrissCrossBottomLeftTopRight) {
    TComplexRegion a, b;
    AddBarRects(a, 2 * X, 2 * Y, W, H, 1, 1);
    AddBarRects(b, 2 * X, 2 * Y, W, H, 2, 2);
    TRegionMask ma(PictureRect(W, H)), mb(PictureRect(W, H));
    a.AddTo(ma);
    b.AddTo(mb);
    ma.Combine(mb, TRegionOp::Intersect);
    ma.Reveal(s, p);
}

template <int HM, int VM>
VD_SHAPED_FX(Shreds) {
    TComplexRegion list;
    AddShredRects(list, X, Y, W, H, HM, VM);
    RevealRects(s, p, list, W, H);
}

template <int HM, int VM>
VD_SHAPED_FX(Speckles) {
    TComplexRegion list;
    AddSpeckleRects(list, X, Y, W, H, HM, VM);
    RevealRects(s, p, list, W, H);
}

const TStyleProc kBars[] = {
    // Bars along rows, then along columns.
    {60, Bars<2, 0, 1, 0>}, {61, Bars<2, 0, 2, 0>}, {62, Bars<2, 0, 4, 0>}, {63, Bars<2, 0, 5, 0>},
    {64, Bars<1, 0, 3, 0>},
    {71, Bars<0, 2, 0, 1>}, {72, Bars<0, 2, 0, 2>}, {73, Bars<0, 2, 0, 4>}, {74, Bars<0, 2, 0, 5>},
    {75, Bars<0, 1, 0, 3>},
    // Criss-cross: both at once.
    {86, Bars<2, 2, 1, 1>}, {87, Bars<2, 2, 1, 2>}, {88, Bars<2, 2, 2, 1>}, {89, Bars<2, 2, 2, 2>},
    {90, Bars<2, 2, 4, 4>}, {91, Bars<2, 2, 4, 5>}, {92, Bars<2, 2, 5, 4>}, {93, Bars<2, 2, 5, 5>},
    {94, Bars<1, 1, 1, 3>}, {95, Bars<1, 1, 2, 3>}, {96, Bars<1, 1, 3, 1>}, {97, Bars<1, 1, 3, 2>},
    {98, Bars<1, 1, 3, 3>}, {99, CrissCrossBottomLeftTopRight},
    // Uneven shreds.
    {65, Shreds<1, 0>}, {66, Shreds<2, 0>}, {67, Shreds<3, 0>}, {68, Shreds<4, 0>},
    {76, Shreds<0, 1>}, {77, Shreds<0, 2>}, {78, Shreds<0, 3>}, {79, Shreds<0, 4>},
    {100, Shreds<1, 1>}, {101, Shreds<1, 2>}, {102, Shreds<2, 1>}, {103, Shreds<2, 2>},
    {104, Shreds<1, 3>}, {105, Shreds<2, 3>}, {106, Shreds<3, 1>}, {107, Shreds<3, 2>},
    {108, Shreds<3, 3>}, {109, Shreds<4, 4>},
    // Speckles.
    {123, Speckles<1, 0>}, {124, Speckles<2, 0>}, {125, Speckles<0, 1>}, {126, Speckles<0, 2>},
};

}  // namespace

TEffectProc BarEffect(int style) { return Find(kBars, style); }

}  // namespace shaped_fx
}  // namespace vd
