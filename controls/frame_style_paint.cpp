#include "controls/frame_style_paint.h"

namespace vd {

void PaintFrameStyle(TCanvas& canvas, TRect& r, TFrameStyleEx style, bool inner, int bevelWidth,
                     TColor flatColor) {
    TBox box{r.Left, r.Top, r.Right, r.Bottom};
    const std::vector<TFrameFill> fills = FrameStyleFills(style, inner, box, bevelWidth, flatColor);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    for (const TFrameFill& f : fills) {
        canvas.Brush().SetColor(f.Color);
        canvas.FillRect(TRect{f.Box.Left, f.Box.Top, f.Box.Right, f.Box.Bottom});
    }
    r = TRect{box.Left, box.Top, box.Right, box.Bottom};
}

}  // namespace vd
