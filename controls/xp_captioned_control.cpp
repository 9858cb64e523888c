#include "controls/xp_captioned_control.h"

#include <algorithm>

namespace vd {

void TXPCaptionedControl::SetUseAdvColors(bool v) {
    if (v == useAdvColors_) return;
    useAdvColors_ = v;
    SetParentColor(v);
    AdvColorsChanged();
}

void TXPCaptionedControl::SetAdvAmount(TAdvColors& amount, TAdvColors n) {
    amount = std::clamp(n, 0, 100);
    AdvColorsChanged();
}

void TXPCaptionedControl::AdvColorsChanged() {
    if (useAdvColors_) DeriveAdvColors();
    Invalidate();
}

void TXPCaptionedControl::ColorChanged() { AdvColorsChanged(); }

void TXPCaptionedControl::DrawCaption(TCanvas& c, const std::string& text, const TRect& r, unsigned flags) {
    c.Brush().SetStyle(TBrushStyle::bsClear);
    if (!Enabled()) {
        TRect shadow = r.Offset(1, 1);
        c.Font().SetColor(clBtnHighlight);
        c.DrawText(text, shadow, flags);
        c.Font().SetColor(clBtnShadow);
    }
    TRect at = r;
    c.DrawText(text, at, flags);
}

LRESULT TXPCaptionedControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SYSCOLORCHANGE:
            AdvColorsChanged();
            break;
        case WM_WINDOWPOSCHANGED: {
            LRESULT r = TCustomControl::WndProc(msg, wParam, lParam);
            if (transparent_) Invalidate();
            return r;
        }
        default:
            break;
    }
    return TCustomControl::WndProc(msg, wParam, lParam);
}

}  // namespace vd
