// TXPCheckBox: a flat, owner-drawn two-state check box. An 11 x 11 box with
// a one-pixel border and a thick tick, a word-wrapped caption beside it; the
// box's fill follows hover, press and focus. Transparent, it paints its
// parent's picture behind itself (a check box on a skinned page).
//
// One hover timer (100 ms) serves every check box of the process: it is
// created with the first box, freed with the last, and bound to the one hot
// box, which cools down when the cursor has left it. Only the left button
// counts; the box takes its caption's accelerator and Space.
#pragma once
#include "controls/model/check_box_model.h"
#include "controls/xp_captioned_control.h"
#include "toolkit/timer.h"

namespace vd {

class TXPCheckBox : public TXPCaptionedControl {
public:
    explicit TXPCheckBox(TComponent* owner);
    ~TXPCheckBox() override;

    void SetTransparent(bool v);
    // A change raises OnClick and redraws the box; the same value does nothing.
    bool Checked() const { return model_.Checked(); }
    void SetChecked(bool v);

    TColor ColorFocused() const { return colorFocused_; }  // box fill while hot or focused
    void SetColorFocused(TColor c);
    TColor ColorDown() const { return colorDown_; }  // box fill while pressed
    void SetColorDown(TColor c);
    TColor ColorCheck() const { return colorCheck_; }  // the tick
    void SetColorCheck(TColor c);
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor c);

    // Lightness shifts (0..100) that derive the three colours above from
    // Color while UseAdvColors is set.
    TAdvColors AdvColorFocused() const { return advFocused_; }
    void SetAdvColorFocused(TAdvColors n);
    TAdvColors AdvColorDown() const { return advDown_; }
    void SetAdvColorDown(TAdvColors n);
    TAdvColors AdvColorBorder() const { return advBorder_; }
    void SetAdvColorBorder(TAdvColors n);

    TCheckBoxLayout Layout() const { return layout_; }
    void SetLayout(TCheckBoxLayout l);
    // Right-to-left puts the box on the right (Layout follows).
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode m);

    // The state the box shows.
    bool Hot() const { return model_.Hot(); }
    bool Pressed() const { return model_.Pressed(); }
    // The box's rectangle in client coordinates.
    TRect BoxRect() const;

    // The shared hover timer (nullptr while no check box lives) and the box
    // that owns it.
    static TTimer* HoverTimer();
    static TXPCheckBox* HotBox();

    void SetEnabled(bool v) override;
    bool DialogChar(char32_t ch) override;
    void Paint() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void MouseDown(TMouseButton b, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton b, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void DoExit() override;
    void DeriveAdvColors() override;

private:
    void RedrawBox();
    void PaintBox(TCanvas& c);
    void PaintCaption(TCanvas& c);
    void HoverTick();
    void SyncHoverTimer();
    bool UnderCursor() const;

    TCheckBoxModel model_;
    TColor colorFocused_ = 16777215;
    TColor colorDown_ = 16643306;
    TColor colorCheck_ = 374339;
    TColor colorBorder_ = 15902253;
    TAdvColors advFocused_ = 10, advDown_ = 10, advBorder_ = 50;
    TCheckBoxLayout layout_ = checkboxLeft;
    TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
};

}  // namespace vd
