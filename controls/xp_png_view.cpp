#include "controls/xp_png_btn.h"

#include "controls/box_rect.h"

namespace vd {

TXPPngView::TXPPngView(TComponent* owner) : TGraphicControl(owner) { SetBounds(Left(), Top(), 75, 25); }

void TXPPngView::SetPngImg(const TPngImage& image) {
    png_.Assign(image);
    int w = viewType_ == vt_Img ? png_.Width() : StripFrameWidth(png_.Width());
    int h = png_.Height();
    SetConstraints(TSizeConstraints{});
    SetBounds(Left(), Top(), w, h);
    SetConstraints(TSizeConstraints{w, h, w, h});
    Repaint();
}

void TXPPngView::SetStates(TState s) {
    if (s == states_) return;
    states_ = s;
    Repaint();
}

void TXPPngView::SetViewType(TViewType t) {
    if (t == viewType_) return;
    viewType_ = t;
    Repaint();
}

void TXPPngView::Paint() {
    if (png_.Empty()) return;
    int w = Width(), h = Height();
    if (viewType_ == vt_Img) {
        Canvas().StretchDraw(TRect{0, 0, w, h}, png_);
    } else {
        TBox t = StripTarget(static_cast<int>(states_), w, h);
        Canvas().StretchDraw(ToRect(t), png_);
    }
}

}  // namespace vd
