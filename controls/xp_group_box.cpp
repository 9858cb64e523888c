#include "controls/xp_group_box.h"

#include <vector>

#include "controls/box_rect.h"
#include "toolkit/graphics.h"
#include "toolkit/paint_parent.h"

namespace vd {

TXPGroupBox::TXPGroupBox(TComponent* owner) : TXPCaptionedControl(owner) {
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    // The window's paint composes the whole picture off screen and copies
    // it in one step.
    SetDoubleBuffered(true);
    SetBounds(0, 0, 185, 105);
}

void TXPGroupBox::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TXPGroupBox::SetColorBorder(TColor c) {
    colorBorder_ = c;
    Invalidate();
}

void TXPGroupBox::SetBorder(TGroupBoxBorder b) {
    border_ = b;
    Invalidate();
}

void TXPGroupBox::SetTopLineFull(bool v) {
    topLineFull_ = v;
    Invalidate();
}

void TXPGroupBox::SetAdvColorBorder(TAdvColors n) { SetAdvAmount(advBorder_, n); }

void TXPGroupBox::DeriveAdvColors() {
    colorBorder_ = ShiftColorLightness(Color(), colorBorder_, advBorder_, TLightnessShift::Darker, LookupSysColor);
}

bool TXPGroupBox::DialogChar(char32_t ch) {
    if (IsAccel(ch, Caption()) && CanFocus()) {
        SetFocus();
        return true;
    }
    return TXPCaptionedControl::DialogChar(ch);
}

void TXPGroupBox::Paint() {
    TCanvas& c = Canvas();
    const TRect cr = ClientRect();
    if (transparent_) {
        PaintParentBehind(*this, c);
    } else {
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(Color());
        c.FillRect(cr);
    }
    c.Font().Assign(Font());
    const std::string text = Caption();
    // Without a caption the line still sits at half the font's text height.
    const TPoint ext = c.TextExtent(text.empty() ? std::string("0") : text);
    const int tw = text.empty() ? 0 : ext.X, th = ext.Y;
    const TBox client = ToBox(cr);

    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(colorBorder_);
    for (const TFramePolyline& line : GroupBoxFrameLines(border_, topLineFull_, !text.empty(), client, tw, th)) {
        std::vector<TPoint> pts;
        for (const TFramePoint& p : line) pts.push_back(TPoint{p.X, p.Y});
        c.Polyline(pts.data(), static_cast<int>(pts.size()));
    }

    if (text.empty()) return;
    const TBox t = GroupBoxCaptionRect(client, th);
    DrawCaption(c, text, ToRect(t), DT_SINGLELINE | DT_LEFT);
}

}  // namespace vd
