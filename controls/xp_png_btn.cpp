#include "controls/xp_png_btn.h"

#include "controls/box_rect.h"

namespace vd {

TXPPngBtn::TXPPngBtn(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(Left(), Top(), 75, 25);
    SetCaption("");
}

void TXPPngBtn::SetPngImg(const TPngImage& image) {
    png_.Assign(image);
    int w = StripFrameWidth(png_.Width()), h = png_.Height();
    SetConstraints(TSizeConstraints{});
    SetBounds(Left(), Top(), w, h);
    SetConstraints(TSizeConstraints{w, h, w, h});
    model_.ImageAssigned();
    Repaint();
}

void TXPPngBtn::SetDown(bool v) {
    if (model_.SetDown(v)) Repaint();
}

void TXPPngBtn::SetEnabled(bool v) {
    TGraphicControl::SetEnabled(v);
    if (model_.SetEnabled(Enabled())) Repaint();
}

void TXPPngBtn::SetTextGhostingEnable(bool v) {
    if (v == ghosting_) return;
    ghosting_ = v;
    Repaint();
}

void TXPPngBtn::SetColorTextForeground(TColor c) {
    if (c == foreground_) return;
    foreground_ = c;
    Repaint();
}

void TXPPngBtn::SetColorTextBackground(TColor c) {
    if (c == background_) return;
    background_ = c;
    Repaint();
}

void TXPPngBtn::Paint() {
    TCanvas& c = Canvas();
    int k = model_.PaintFrame();
    int w = Width(), h = Height();
    if (!png_.Empty()) {
        TBox t = StripTarget(k, w, h);
        c.StretchDraw(ToRect(t), png_);
    }
    if (Focused() && FocusCuesShown()) {
        c.DrawFocusRect(ToRect(FocusRectInFace(w, h)));
    }
    std::string text = Caption();
    if (text.empty()) return;
    c.Font().Assign(Font());
    c.Brush().SetStyle(TBrushStyle::bsClear);
    TPoint size = c.TextExtent(text);
    TTextPos at = CenteredText(w, h, size.X, size.Y);
    if (ghosting_) {
        c.Font().SetColor(background_);
        c.TextOut(at.X + 1, at.Y + 1, text);
        c.Font().SetColor(foreground_);
        c.TextOut(at.X, at.Y, text);
    } else {
        c.Font().SetColor(Enabled() ? Font().Color() : clGrayText);
        c.TextOut(at.X, at.Y, text);
    }
}

void TXPPngBtn::MouseEnter() {
    if (model_.MouseEnter()) Repaint();
    TGraphicControl::MouseEnter();
}

void TXPPngBtn::MouseLeave() {
    if (model_.MouseLeave()) Repaint();
    TGraphicControl::MouseLeave();
}

void TXPPngBtn::MouseDown(TMouseButton b, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(b, shift, x, y);
    if (model_.Press(b == TMouseButton::mbLeft)) Repaint();
}

void TXPPngBtn::MouseUp(TMouseButton b, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(b, shift, x, y);
    if (model_.Release(b == TMouseButton::mbLeft, ClientRect().Contains(x, y))) Repaint();
}

}  // namespace vd

namespace vd {

void TXPPngBtn::KeyDown(uint16_t& key, TShiftState shift) {
    TGraphicControl::KeyDown(key, shift);
    if (!Enabled()) return;
    if (key == VK_SPACE) {
        // Held: the pressed frame; the release clicks.
        if (!spaceHeld_ && model_.Press(true)) Repaint();
        spaceHeld_ = true;
        key = 0;
    } else if (key == VK_RETURN) {
        key = 0;
        Click();
    }
}

void TXPPngBtn::KeyUp(uint16_t& key, TShiftState shift) {
    TGraphicControl::KeyUp(key, shift);
    if (key != VK_SPACE || !spaceHeld_) return;
    spaceHeld_ = false;
    key = 0;
    if (model_.Release(true, MouseInControl())) Repaint();
    if (Enabled()) Click();
}

bool TXPPngBtn::WantsDialogKey(uint16_t key) const { return key == VK_RETURN && Enabled(); }

void TXPPngBtn::FocusChanged() {
    // A button that loses the focus while Space is held is not pressed.
    if (spaceHeld_ && !Focused()) {
        spaceHeld_ = false;
        model_.Release(true, MouseInControl());
    }
    Invalidate();
}

}  // namespace vd
