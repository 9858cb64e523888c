// TXPScrollBar: a self-drawn flat scroll bar. Two arrow buttons, two track
// parts and a thumb (the scroller), each framed in BorderColor on Color;
// holding a button or the track repeats every 50 ms, the thumb drags.
// Geometry and value rules live in controls/model/scroll_bar_model.h.
#pragma once
#include <functional>

#include "controls/model/scroll_bar_model.h"
#include "toolkit/timer.h"
#include "toolkit/win_control.h"

namespace vd {

// Raised with the new position when it changes (code scPosition). The
// handler's changes to scrollPos are not taken back.
using TScrollEvent = std::function<void(TObject* sender, TScrollCode code, int& scrollPos)>;
// Raised before each part is painted; setting cont to false skips the part.
using TXPScrollBarPaintEvent = std::function<void(TObject* sender, bool& cont, TXPScrollbarArea area)>;

class TXPCustomScrollBar : public TCustomControl {
public:
    explicit TXPCustomScrollBar(TComponent* owner);

    // Grip lines on the thumb.
    TColor BarColor() const { return barColor_; }
    void SetBarColor(TColor c);
    TColor ArrowColor() const { return arrowColor_; }
    void SetArrowColor(TColor c);
    // Frames of the buttons and the thumb, long edges of the track. (Color,
    // inherited, fills every part.)
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor c);

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind k);
    int ButtonWidth() const { return values_.ButtonWidth(); }
    void SetButtonWidth(int v);
    int ScrollerWidth() const { return values_.ScrollerWidth(); }
    void SetScrollerWidth(int v);
    int Min() const { return values_.Min(); }
    void SetMin(int v);
    int Max() const { return values_.Max(); }
    void SetMax(int v);
    int Position() const { return values_.Position(); }
    void SetPosition(int v);
    int SmallChange() const { return values_.SmallChange(); }
    void SetSmallChange(int v) { values_.SetSmallChange(v); }
    int LargeChange() const { return values_.LargeChange(); }
    void SetLargeChange(int v) { values_.SetLargeChange(v); }

    // Position := 0 first (while still enabled), then the change, then a repaint.
    void SetEnabled(bool v) override;

    bool mouseInControl() const { return MouseInControl(); }
    bool MouseIsDown() const { return mouseIsDown_; }
    TXPScrollbarArea MouseDownAt() const { return mouseDownAt_; }
    // Whether a held button or track part is repeating.
    bool Repeating() const { return timer_->Enabled(); }

    // The parts as they are now (client coordinates).
    const TScrollBarLayout& Layout() const { return layout_; }
    // Paints one part on `canvas` (no OnPaint): the memo that holds a bar
    // paints parts itself to draw over them afterwards.
    void PaintArea(TCanvas& canvas, TXPScrollbarArea area);

    TScrollEvent OnScroll;
    TNotifyEvent OnChange;
    TXPScrollBarPaintEvent OnPaint;
    // OnMouseEnter and OnMouseLeave (inherited) are the mouse-in and
    // mouse-out notifications.

    void Paint() override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Resize() override;
    void MouseDown(TMouseButton b, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton b, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void Recompute();
    void RepaintArea(TXPScrollbarArea area);
    void RepeatTick();
    // Release, capture loss or disabling: the press is over.
    void EndPress();

    TScrollBarValues values_;
    TScrollBarLayout layout_;
    TScrollBarKind kind_ = sbHorizontal;
    TColor barColor_ = 6247705;
    TColor arrowColor_ = 6247705;
    TColor borderColor_ = 15902253;
    bool mouseIsDown_ = false;
    TXPScrollbarArea mouseDownAt_ = saNone;
    bool dragging_ = false;
    int grabOffset_ = 0;
    TPoint lastPoint_{-1, -1};
    TTimer* timer_;
};

class TXPScrollBar : public TXPCustomScrollBar {
public:
    explicit TXPScrollBar(TComponent* owner) : TXPCustomScrollBar(owner) {}
};

}  // namespace vd
