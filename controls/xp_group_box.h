// TXPGroupBox: a container that draws a one-pixel frame (full, or the top
// line only) with an optional caption set into the top line, over its
// colour or, transparent, over its parent's picture. It paints its whole
// area itself, composed off screen by the window's paint and copied in one
// step.
#pragma once
#include "controls/model/color_shift.h"
#include "controls/model/group_box_frame.h"
#include "toolkit/win_control.h"

namespace vd {

class TXPGroupBox : public TCustomControl {
public:
    explicit TXPGroupBox(TComponent* owner);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor c);
    TGroupBoxBorder Border() const { return border_; }
    void SetBorder(TGroupBoxBorder b);
    // With brOnlyTopLine and a caption: also the short piece left of it.
    bool TopLineFull() const { return topLineFull_; }
    void SetTopLineFull(bool v);
    // ColorBorder derived from Color (darker by this amount, 0..100) while
    // UseAdvColors is set.
    TAdvColors AdvColorBorder() const { return advBorder_; }
    void SetAdvColorBorder(TAdvColors n);
    // Also sets ParentColor to the same value.
    bool UseAdvColors() const { return useAdvColors_; }
    void SetUseAdvColors(bool v);

    // The caption's accelerator focuses the group box.
    bool DialogChar(char32_t ch) override;
    void Paint() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void ColorChanged() override;

private:
    void CalcAdvColors();

    bool transparent_ = false;
    TColor colorBorder_ = 15451022;
    TGroupBoxBorder border_ = brFull;
    bool topLineFull_ = false;
    TAdvColors advBorder_ = 50;
    bool useAdvColors_ = false;
};

}  // namespace vd
