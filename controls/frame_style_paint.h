// Frame-style borders on a canvas (the rectangles come from the portable
// FrameStyleFills of controls/model/frame_style.h; system colours are
// resolved here).
#pragma once
#include "controls/model/frame_style.h"
#include "toolkit/canvas.h"

namespace vd {

// Draws one border in `style` on the edge of `r`, which then shrinks by the
// border's width. `inner` selects the inner-border form of fsFlat.
void PaintFrameStyle(TCanvas& canvas, TRect& r, TFrameStyleEx style, bool inner, int bevelWidth,
                     TColor flatColor);

}  // namespace vd
