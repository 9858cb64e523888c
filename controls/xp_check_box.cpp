#include "controls/xp_check_box.h"

#include "controls/box_rect.h"
#include "toolkit/graphics.h"
#include "toolkit/paint_parent.h"

namespace vd {
namespace {

// Shared by every check box of the process (all on the window thread).
TTimer* g_hoverTimer = nullptr;
int g_boxCount = 0;
TCheckBoxHover g_hover;
TXPCheckBox* g_hotBox = nullptr;  // the box g_hover's owner belongs to

}  // namespace

TXPCheckBox::TXPCheckBox(TComponent* owner) : TXPCaptionedControl(owner) {
    // The box raises OnClick itself when Checked changes; a quick second
    // press is a press like any other.
    SetControlStyle(ControlStyle() & ~(csClickEvents | csDoubleClicks));
    SetParentColor(true);
    SetTabStop(true);
    SetBounds(0, 0, 121, 17);
    model_.OnRedraw = [this] { RedrawBox(); };
    if (g_boxCount++ == 0) {
        g_hoverTimer = new TTimer(nullptr);
        g_hoverTimer->SetEnabled(false);
        g_hoverTimer->SetInterval(100);
    }
}

TXPCheckBox::~TXPCheckBox() {
    model_.OnRedraw = nullptr;
    g_hover.Release(model_);
    SyncHoverTimer();
    if (--g_boxCount == 0) {
        delete g_hoverTimer;
        g_hoverTimer = nullptr;
    }
}

TTimer* TXPCheckBox::HoverTimer() { return g_hoverTimer; }
TXPCheckBox* TXPCheckBox::HotBox() { return g_hotBox; }

// --- Properties ---

void TXPCheckBox::SetTransparent(bool v) {
    transparent_ = v;
    // A see-through box paints its parent first: no fill under it.
    SetControlStyle(v ? ControlStyle() | csOpaque : ControlStyle() & ~csOpaque);
    Invalidate();
}

void TXPCheckBox::SetChecked(bool v) {
    if (model_.SetChecked(v)) Click();
}

void TXPCheckBox::SetColorFocused(TColor c) {
    colorFocused_ = c;
    Invalidate();
}

void TXPCheckBox::SetColorDown(TColor c) {
    colorDown_ = c;
    Invalidate();
}

void TXPCheckBox::SetColorCheck(TColor c) {
    colorCheck_ = c;
    Invalidate();
}

void TXPCheckBox::SetColorBorder(TColor c) {
    colorBorder_ = c;
    Invalidate();
}

void TXPCheckBox::SetAdvColorFocused(TAdvColors n) { SetAdvAmount(advFocused_, n); }
void TXPCheckBox::SetAdvColorDown(TAdvColors n) { SetAdvAmount(advDown_, n); }
void TXPCheckBox::SetAdvColorBorder(TAdvColors n) { SetAdvAmount(advBorder_, n); }

void TXPCheckBox::DeriveAdvColors() {
    colorFocused_ = ShiftColorLightness(Color(), colorFocused_, advFocused_, TLightnessShift::Lighter, LookupSysColor);
    colorDown_ = ShiftColorLightness(Color(), colorDown_, advDown_, TLightnessShift::Darker, LookupSysColor);
    colorBorder_ = ShiftColorLightness(Color(), colorBorder_, advBorder_, TLightnessShift::Darker, LookupSysColor);
}

void TXPCheckBox::SetLayout(TCheckBoxLayout l) {
    layout_ = l;
    Invalidate();
}

void TXPCheckBox::SetBiDiMode(TBiDiMode m) {
    biDiMode_ = m;
    SetLayout(m == TBiDiMode::bdRightToLeft ? checkboxRight : checkboxLeft);
}

void TXPCheckBox::SetEnabled(bool v) {
    TXPCaptionedControl::SetEnabled(v);
    model_.SetEnabled(Enabled());
    if (!Enabled()) {
        g_hover.Release(model_);
        SyncHoverTimer();
    }
    Invalidate();
}

TRect TXPCheckBox::BoxRect() const {
    return ToRect(CheckBoxBoxRect(layout_, ClientWidth(), ClientHeight()));
}

// --- Painting ---

void TXPCheckBox::RedrawBox() {
    // State changes repaint the 11 x 11 box only, never the caption.
    InvalidateArea(BoxRect());
}

void TXPCheckBox::Paint() {
    TCanvas& c = Canvas();
    if (transparent_) PaintParentBehind(*this, c);
    PaintBox(c);
    PaintCaption(c);
}

void TXPCheckBox::PaintBox(TCanvas& c) {
    const TRect r = BoxRect();
    TColor fill = Color();
    switch (model_.Fill()) {
        case TCheckBoxFill::Color: break;
        case TCheckBoxFill::Down: fill = colorDown_; break;
        case TCheckBoxFill::Focused: fill = colorFocused_; break;
    }
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(fill);
    c.FillRect(r);
    if (Checked()) {
        c.Pen().SetStyle(TPenStyle::psSolid);
        c.Pen().SetWidth(1);
        c.Pen().SetColor(Enabled() ? colorCheck_ : clBtnShadow);
        for (const TLineSegment& s : CheckTickSegments(r.Left, r.Top)) {
            c.MoveTo(s.X1, s.Y1);
            c.LineTo(s.X2, s.Y2);
        }
    }
    c.Brush().SetColor(colorBorder_);
    c.FrameRect(r);
}

void TXPCheckBox::PaintCaption(TCanvas& c) {
    const std::string text = Caption();
    if (text.empty()) return;
    const TBox t = CheckBoxTextRect(layout_, ClientWidth(), ClientHeight());
    const unsigned flags = DT_WORDBREAK | (layout_ == checkboxRight ? DT_RIGHT : DT_LEFT);
    c.Font().Assign(Font());
    DrawCaption(c, text, ToRect(t), flags);
    if (Focused() && FocusCuesShown()) {
        TRect measured = ToRect(t);
        c.DrawText(text, measured, flags | DT_CALCRECT);
        c.DrawFocusRect(ToRect(CheckBoxFocusRect(layout_, ClientWidth(), ClientHeight(), measured.Width(),
                                                 measured.Height())));
    }
}

// --- Hover ---

bool TXPCheckBox::UnderCursor() const {
    POINT p{};
    GetCursorPos(&p);
    return FindControlAt(TPoint{p.x, p.y}) == this;
}

void TXPCheckBox::SyncHoverTimer() {
    if (!g_hover.Owner()) g_hotBox = nullptr;
    if (g_hoverTimer) g_hoverTimer->SetEnabled(g_hover.TimerRunning());
}

void TXPCheckBox::HoverTick() {
    g_hover.Tick(UnderCursor());
    SyncHoverTimer();
}

void TXPCheckBox::MouseMove(TShiftState shift, int x, int y) {
    if (g_hover.Owner() != &model_ && UnderCursor()) {
        if (g_hover.MouseOver(model_, GetActiveWindow() != nullptr)) {
            // Stopped, bound to this box, started again below.
            g_hotBox = this;
            g_hoverTimer->SetEnabled(false);
            g_hoverTimer->SetOnTimer([this](TObject*) { HoverTick(); });
        }
        SyncHoverTimer();
    }
    TXPCaptionedControl::MouseMove(shift, x, y);
}

// --- Mouse buttons, keys, focus ---

void TXPCheckBox::MouseDown(TMouseButton b, TShiftState shift, int x, int y) {
    if (b != TMouseButton::mbLeft || !Enabled()) return;
    SetFocus();
    model_.Press();
    TXPCaptionedControl::MouseDown(b, shift, x, y);
}

void TXPCheckBox::MouseUp(TMouseButton b, TShiftState shift, int x, int y) {
    if (b != TMouseButton::mbLeft || !Enabled()) return;
    if (model_.Release()) SetChecked(!Checked());
    TXPCaptionedControl::MouseUp(b, shift, x, y);
}

bool TXPCheckBox::DialogChar(char32_t ch) {
    if (IsAccel(ch, Caption()) && CanFocus()) {
        SetFocus();
        SetChecked(!Checked());
        return true;
    }
    if (ch == U' ' && Focused() && Enabled()) {
        SetChecked(!Checked());
        return true;
    }
    return TXPCaptionedControl::DialogChar(ch);
}

void TXPCheckBox::DoExit() {
    model_.ExitNotified();
    TXPCaptionedControl::DoExit();
}

LRESULT TXPCheckBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDBLCLK:
            msg = WM_LBUTTONDOWN;  // no double clicks: a second press
            [[fallthrough]];
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            if (!Enabled()) return 0;
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP:
        case WM_XBUTTONDBLCLK:
            return 0;  // left button only; no default handling (context menu) either
        case WM_SETFOCUS:
            model_.FocusIn();
            if (FocusCuesShown()) Invalidate();  // the caption's focus rectangle
            break;
        case WM_KILLFOCUS:
            if (FocusCuesShown()) Invalidate();
            if (Enabled()) {
                model_.FocusOut();
                // A box that lost its hot state lets the timer go, so that
                // the mouse can make it hot again.
                g_hover.Release(model_);
                SyncHoverTimer();
            }
            break;
        default:
            break;
    }
    return TXPCaptionedControl::WndProc(msg, wParam, lParam);
}

}  // namespace vd
