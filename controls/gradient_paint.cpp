#include "controls/gradient_paint.h"

#include "controls/box_rect.h"

namespace vd {

void PaintGradient(TBitmap& target, const TRect& r, TColor from, TColor to, TGradientDirection d) {
    if (r.IsEmpty()) return;
    GradientFill(target.Surface(), ToBox(r), static_cast<TColor>(ColorToRGB(from)),
                 static_cast<TColor>(ColorToRGB(to)), d);
    target.Modified();
}

void PaintGradient(TCanvas& canvas, const TRect& r, TColor from, TColor to, TGradientDirection d) {
    if (r.IsEmpty()) return;
    TBitmap area(r.Width(), r.Height());
    PaintGradient(area, TRect{0, 0, r.Width(), r.Height()}, from, to, d);
    canvas.CopyRect(r, area.Canvas(), TRect{0, 0, r.Width(), r.Height()});
}

}  // namespace vd
