// The library's gradient fill on a canvas or a bitmap (the pixels come from
// the portable GradientFill of controls/model/gradient.h). Colours may be
// system colours; they are resolved here.
#pragma once
#include "controls/model/gradient.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"

namespace vd {

// Fills `r` of the bitmap's pixels directly (bitmap coordinates; the
// canvas's origin and clipping do not apply). An empty `r` draws nothing.
void PaintGradient(TBitmap& target, const TRect& r, TColor from, TColor to, TGradientDirection d);
// Fills `r` (logical coordinates, within the canvas's clipping) through an
// off-screen copy of the area.
void PaintGradient(TCanvas& canvas, const TRect& r, TColor from, TColor to, TGradientDirection d);

}  // namespace vd
