// TXPCaptionedControl: what the flat check box and the flat group box share.
// Transparent, the control paints its parent's picture behind itself (and
// repaints when it moves, since that picture moves with it); while
// UseAdvColors is set its colours are derived from Color, again whenever
// Color or the system colours change; a disabled control's caption is
// embossed.
#pragma once
#include "controls/model/color_shift.h"
#include "toolkit/win_control.h"

namespace vd {

class TXPCaptionedControl : public TCustomControl {
public:
    bool Transparent() const { return transparent_; }
    // Also sets ParentColor to the same value.
    bool UseAdvColors() const { return useAdvColors_; }
    void SetUseAdvColors(bool v);

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    explicit TXPCaptionedControl(TComponent* owner) : TCustomControl(owner) {}

    // Own colour or the parent's (ParentColor): the derived colours follow.
    void ColorChanged() override;
    // Sets the colours that UseAdvColors derives from Color.
    virtual void DeriveAdvColors() = 0;
    // Stores a lightness shift (clamped to 0..100), derives the colours
    // again and repaints.
    void SetAdvAmount(TAdvColors& amount, TAdvColors n);
    // Derives the colours (while UseAdvColors is set) and repaints.
    void AdvColorsChanged();
    // Draws the caption with the canvas's font, without background; while
    // disabled, embossed: a highlight copy one pixel right and down under a
    // copy in the shadow colour.
    void DrawCaption(TCanvas& canvas, const std::string& text, const TRect& r, unsigned flags);

    bool transparent_ = false;

private:
    bool useAdvColors_ = false;
};

}  // namespace vd
