#include "controls/frame_style_paint.h"

#include "controls/box_rect.h"

namespace vd {

void PaintFrameStyle(TCanvas& canvas, TRect& r, TFrameStyleEx style, bool inner, int bevelWidth,
                     TColor flatColor) {
    TBox box = ToBox(r);
    const std::vector<TFrameFill> fills = FrameStyleFills(style, inner, box, bevelWidth, flatColor);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    for (const TFrameFill& f : fills) {
        canvas.Brush().SetColor(f.Color);
        canvas.FillRect(ToRect(f.Box));
    }
    r = ToRect(box);
}

}  // namespace vd
