#include "controls/xp_combo_box.h"

#include "controls/box_rect.h"
#include "controls/model/combo_geometry.h"

namespace vd {
namespace {

constexpr TColor kDisabledArrow = 8421504;  // RGB 128, 128, 128

}  // namespace

TXPComboBox::TXPComboBox(TComponent* owner) : TComboBox(owner) {
    SetItemHeight(13);
    SetControlStyle(ControlStyle() | csOpaque);
    scrollBarWidth_ = GetSystemMetrics(SM_CXVSCROLL);
}

void TXPComboBox::SetColorArrow(TColor c) {
    colorArrow_ = c;
    Invalidate();
}

void TXPComboBox::SetColorArrowBackground(TColor c) {
    colorArrowBackground_ = c;
    Invalidate();
}

void TXPComboBox::SetColorBorder(TColor c) {
    colorBorder_ = c;
    Invalidate();
}

void TXPComboBox::SetUseAdvColors(bool v) {
    if (v == useAdvColors_) return;
    useAdvColors_ = v;
    CalcAdvColors();
    Invalidate();
}

void TXPComboBox::SetAdvColorBorder(TAdvColors n) {
    advColorBorder_ = n;
    CalcAdvColors();
    Invalidate();
}

void TXPComboBox::SetAdvColorArrowBackground(TAdvColors n) {
    advColorArrowBackground_ = n;
    CalcAdvColors();
    Invalidate();
}

void TXPComboBox::CalcAdvColors() {
    if (!useAdvColors_ || !Parent()) return;
    const TColor base = Parent()->Color();
    colorBorder_ = ShiftColorLightness(base, colorBorder_, advColorBorder_, TLightnessShift::Darker, LookupSysColor);
    colorArrowBackground_ = ShiftColorLightness(base, colorArrowBackground_, advColorArrowBackground_,
                                                TLightnessShift::Darker, LookupSysColor);
}

void TXPComboBox::ParentColorChanged() {
    TComboBox::ParentColorChanged();
    CalcAdvColors();
    Invalidate();
}

void TXPComboBox::SetParent(TWinControl* parent) {
    TComboBox::SetParent(parent);
    if (parent) ParentColorChanged();
}

void TXPComboBox::FontChanged() {
    TComboBox::FontChanged();
    // An owner-drawn combo re-creates its window for a new item height.
    const bool recreated = HandleAllocated() && OwnerDrawn() && ItemHeight() != 13;
    SetItemHeight(13);
    if (!recreated) RecreateWnd();
}

void TXPComboBox::HandleCreated() {
    TComboBox::HandleCreated();
    dropped_ = false;
    SizeInnerEdit();
}

void TXPComboBox::SizeInnerEdit() {
    if (!EditHandle() || (Style() != TComboBoxStyle::csDropDown && Style() != TComboBoxStyle::csSimple)) return;
    RECT rc{}, edit{};
    GetClientRect(Handle(), &rc);
    GetWindowRect(EditHandle(), &edit);
    TCorner size = ComboInnerEditSize(rc.right, rc.bottom);
    // A simple combo's window holds its list too: the edit keeps its height.
    if (Style() == TComboBoxStyle::csSimple) size.Y = edit.bottom - edit.top;
    SetWindowPos(EditHandle(), nullptr, 0, 0, size.X, size.Y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TRect TXPComboBox::ButtonRect() {
    RECT client{}, window{};
    GetClientRect(Handle(), &client);
    GetWindowRect(Handle(), &window);
    return ToRect(ComboButtonRect(client.right, window.right - window.left, window.bottom - window.top));
}

void TXPComboBox::UpdateActive() {
    const bool active = dropped_ || Focused() || editFocused_;
    if (active == active_) return;
    active_ = active;
    Invalidate();
}

void TXPComboBox::DrawFrame(TCanvas& c) {
    RECT window{};
    GetWindowRect(Handle(), &window);
    TRect r = ToRect(ComboFrameRect(window.right - window.left, window.bottom - window.top));
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(colorBorder_);
    c.FrameRect(r);
    c.Brush().SetColor(Color());
    for (int ring = 1; ring <= 2; ++ring)
        c.FrameRect(TRect{r.Left + ring, r.Top + ring, r.Right - ring, r.Bottom - ring});
}

void TXPComboBox::DrawButton(TCanvas& c) {
    TRect b = ButtonRect();
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(colorArrowBackground_);
    c.FillRect(b);
    c.Brush().SetColor(colorBorder_);
    c.FrameRect(b);
    auto corners = ComboArrowTriangle(ToBox(b), dropped_);
    auto triangle = [&](int dx, int dy, TColor color) {
        TPoint p[3];
        for (int i = 0; i < 3; ++i) p[i] = TPoint{corners[i].X + dx, corners[i].Y + dy};
        c.Pen().SetColor(color);
        c.Brush().SetColor(color);
        c.Polygon(p, 3);
    };
    if (Enabled()) {
        triangle(0, 0, colorArrow_);
    } else {
        triangle(1, 1, clWhite);
        triangle(0, 0, kDisabledArrow);
    }
}

void TXPComboBox::DrawGapStrip(TCanvas& c) {
    RECT rc{};
    GetClientRect(Handle(), &rc);
    const bool lit = Focused() && !dropped_;
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(lit ? clHighlight : Color());
    c.FillRect(ToRect(ComboGapStrip(rc.right, rc.bottom)));
    if (lit) c.FrameRect(ToRect(ComboFocusFrame(rc.right, rc.bottom)));
}

void TXPComboBox::Paint(HDC dc, const TRect& update) {
    RECT rc{};
    GetClientRect(Handle(), &rc);
    const TRect button = ButtonRect();
    // The edit part paints itself.
    const int outer = SaveDC(dc);
    if (EditHandle() && IsWindowVisible(EditHandle())) {
        RECT e{};
        GetWindowRect(EditHandle(), &e);
        MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(&e), 2);
        ExcludeClipRect(dc, e.left, e.top, e.right, e.bottom);
    }
    TCanvas c;
    c.SetHandle(dc);
    TRect fill = update;
    if (fill.Right > button.Left) fill.Right = button.Left;
    if (!fill.IsEmpty()) {
        c.Brush().SetColor(Color());
        c.FillRect(fill);
    }
    if (!IntersectRects(update, button).IsEmpty()) DrawButton(c);
    c.SetHandle(nullptr);

    // The native field, but not the native button.
    const int saved = SaveDC(dc);
    TBox strip = ComboNativeButtonStrip(rc.right, rc.bottom, scrollBarWidth_);
    ExcludeClipRect(dc, strip.Left, strip.Top, strip.Right, strip.Bottom);
    DefaultHandler(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);

    c.SetHandle(dc);
    if (Style() == TComboBoxStyle::csDropDown) {
        if (dropped_) {
            c.Brush().SetColor(clWindow);
            c.FrameRect(ToRect(ComboDroppedTextFrame(rc.right, rc.bottom)));
        }
    } else {
        DrawGapStrip(c);
    }
    DrawFrame(c);
    DrawButton(c);
    c.SetHandle(nullptr);
    RestoreDC(dc, outer);
}

void TXPComboBox::RedrawFrame() {
    if (!HandleAllocated()) return;
    HDC dc = GetWindowDC(Handle());
    TCanvas c;
    c.SetHandle(dc);
    DrawFrame(c);
    DrawButton(c);
    c.SetHandle(nullptr);
    ReleaseDC(Handle(), dc);
}

LRESULT TXPComboBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            if (wParam) {  // a DC to paint into
                RECT box{};
                GetClipBox(reinterpret_cast<HDC>(wParam), &box);
                Paint(reinterpret_cast<HDC>(wParam), TRect{box.left, box.top, box.right, box.bottom});
                return 0;
            }
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            Paint(dc, TRect{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom});
            EndPaint(Handle(), &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
        case WM_PRINT: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            RECT rc{};
            GetClientRect(Handle(), &rc);
            Paint(dc, TRect{0, 0, rc.right, rc.bottom});
            return 0;
        }
        case WM_NCPAINT: {
            LRESULT r = TComboBox::WndProc(msg, wParam, lParam);
            RedrawFrame();
            return r;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            LRESULT r = TComboBox::WndProc(msg, wParam, lParam);
            UpdateActive();
            Invalidate();
            return r;
        }
        case WM_WINDOWPOSCHANGED: {
            LRESULT r = TComboBox::WndProc(msg, wParam, lParam);
            SizeInnerEdit();
            return r;
        }
        case WM_SYSCOLORCHANGE:
            CalcAdvColors();
            Invalidate();
            break;
        default:
            break;
    }
    return TComboBox::WndProc(msg, wParam, lParam);
}

LRESULT TXPComboBox::EditWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = TComboBox::EditWndProc(msg, wParam, lParam);
    if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) {
        editFocused_ = msg == WM_SETFOCUS;
        UpdateActive();
    }
    return r;
}

void TXPComboBox::CommandNotify(unsigned code) {
    switch (code) {
        case CBN_DROPDOWN:
            dropped_ = true;
            UpdateActive();
            Invalidate();
            break;
        case CBN_CLOSEUP:
            dropped_ = false;
            UpdateActive();
            RedrawFrame();
            Invalidate();
            break;
        case CBN_SELCHANGE:
        case CBN_SELENDOK:
        case CBN_EDITCHANGE:
            Invalidate();  // the gap strip after the native field repainted
            break;
        default:
            break;
    }
    TComboBox::CommandNotify(code);
}

}  // namespace vd
