#include "toolkit/panel.h"

namespace vd {

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut b) {
    if (b == bevelOuter_) return;
    bevelOuter_ = b;
    Realign();
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut b) {
    if (b == bevelInner_) return;
    bevelInner_ = b;
    Realign();
    Invalidate();
}

void TPanel::SetBevelWidth(int w) {
    if (w == bevelWidth_) return;
    bevelWidth_ = w;
    Realign();
    Invalidate();
}

void TPanel::SetBorderWidth(int w) {
    if (w == borderWidth_) return;
    borderWidth_ = w;
    Realign();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    Invalidate();
}

TRect TPanel::AlignRect() const {
    TRect r = ClientRect();
    int inset = borderWidth_;
    if (bevelOuter_ != TBevelCut::bvNone) inset += bevelWidth_;
    if (bevelInner_ != TBevelCut::bvNone) inset += bevelWidth_;
    return TRect{r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
}

void TPanel::PaintFrameAndCaption(TCanvas& c) {
    TRect r = ClientRect();
    c.Brush().SetStyle(TBrushStyle::bsClear);
    auto bevel = [&](TBevelCut cut) {
        if (cut == TBevelCut::bvNone) return;
        TColor tl = cut == TBevelCut::bvRaised ? static_cast<TColor>(0xFF000014u) : clBtnShadow;
        TColor br = cut == TBevelCut::bvRaised ? clBtnShadow : static_cast<TColor>(0xFF000014u);
        c.Frame3D(r, tl, br, bevelWidth_);
    };
    bevel(bevelOuter_);
    r = TRect{r.Left + borderWidth_, r.Top + borderWidth_, r.Right - borderWidth_, r.Bottom - borderWidth_};
    bevel(bevelInner_);
    std::string text = Caption();
    if (text.empty()) return;
    c.Font().Assign(Font());
    c.Brush().SetStyle(TBrushStyle::bsClear);
    int lineHeight = c.TextHeight("W");
    TRect tr = r;
    tr.Top = r.Top + (r.Height() - lineHeight) / 2;
    tr.Bottom = tr.Top + lineHeight;
    unsigned flags = DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;
    if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
    if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
    c.DrawText(text, tr, flags);
}

void TPanel::Paint() { PaintFrameAndCaption(Canvas()); }

}  // namespace vd
