#include "toolkit/label.h"

namespace vd {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(ControlStyle() & ~csCaptureMouse);
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetTransparent(bool v) {
    if (v == transparent_) return;
    transparent_ = v;
    Invalidate();
}

void TLabel::SetAlignment(TAlignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    Invalidate();
}

void TLabel::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool v) {
    if (v == showAccelChar_) return;
    showAccelChar_ = v;
    Invalidate();
}

void TLabel::TextChanged() {
    AdjustSize();
    TGraphicControl::TextChanged();
}

void TLabel::FontChanged() {
    AdjustSize();
    TGraphicControl::FontChanged();
}

bool TLabel::CanAutoSize(int& newWidth, int& newHeight) {
    HDC screen = GetDC(nullptr);
    TCanvas c;
    c.SetHandle(screen);
    c.Font().Assign(Font());
    TRect r{0, 0, wordWrap_ ? newWidth : 0, 0};
    c.DrawText(Caption().empty() ? std::string(" ") : Caption(), r, TextFlags() | DT_CALCRECT);
    c.SetHandle(nullptr);
    ReleaseDC(nullptr, screen);
    newWidth = r.Width();
    newHeight = r.Height();
    return true;
}

unsigned TLabel::TextFlags() const {
    unsigned f = DT_EXPANDTABS;
    if (wordWrap_) f |= DT_WORDBREAK;
    if (!showAccelChar_) f |= DT_NOPREFIX;
    if (alignment_ == TAlignment::taCenter) f |= DT_CENTER;
    if (alignment_ == TAlignment::taRightJustify) f |= DT_RIGHT;
    return f;
}

void TLabel::Paint() {
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    if (!transparent_) {
        c.Brush().SetColor(Color());
        c.FillRect(r);
    }
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Font().Assign(Font());
    if (!Enabled()) c.Font().SetColor(clGrayText);
    c.DrawText(Caption(), r, TextFlags());
}

}  // namespace vd
