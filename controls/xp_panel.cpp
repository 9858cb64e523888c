#include "controls/xp_panel.h"

namespace vd {

TXPPanel::TXPPanel(TComponent* owner) : TPanel(owner), options_(new TFCBackgroundOptions(this)) {
    // The options paint the whole background.
    SetControlStyle(ControlStyle() | csOpaque);
}

TXPPanel::~TXPPanel() {
    MarkDestroying();
    delete options_;
    options_ = nullptr;
}

void TXPPanel::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    options_->Unlink();
    TPanel::SetParent(parent);
    options_->Relink();
}

void TXPPanel::Paint() {
    TCanvas& c = Canvas();
    options_->PaintBackground(c, c.ClipRect());
    PaintFrameAndCaption(c);
    if (OnCustomDraw) OnCustomDraw(this, c, ClientRect());
}

LRESULT TXPPanel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == CM_GETBACKGROUNDOPTIONS) return reinterpret_cast<LRESULT>(options_);
    if (msg == WM_WINDOWPOSCHANGED) {
        LRESULT r = TPanel::WndProc(msg, wParam, lParam);
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (options_ && (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
            options_->ControlMoved();
        return r;
    }
    return TPanel::WndProc(msg, wParam, lParam);
}

}  // namespace vd
