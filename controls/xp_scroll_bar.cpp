#include "controls/xp_scroll_bar.h"

#include "controls/box_rect.h"

namespace vd {
namespace {

void Fill(TCanvas& c, const TBox& b, TColor color) {
    if (b.IsEmpty()) return;
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color);
    c.FillRect(ToRect(b));
}

void Frame(TCanvas& c, const TBox& b, TColor color) {
    if (b.IsEmpty()) return;
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color);
    c.FrameRect(ToRect(b));
}

}  // namespace

TXPCustomScrollBar::TXPCustomScrollBar(TComponent* owner) : TCustomControl(owner) {
    color_ = 16643310;
    timer_ = new TTimer(this);
    timer_->SetEnabled(false);
    timer_->SetInterval(50);
    timer_->SetOnTimer([this](TObject*) { RepeatTick(); });
    SetBounds(Left(), Top(), 150, 18);
    Recompute();
}

// --- Properties ---

void TXPCustomScrollBar::SetBarColor(TColor c) {
    if (c == barColor_) return;
    barColor_ = c;
    Invalidate();
}

void TXPCustomScrollBar::SetArrowColor(TColor c) {
    if (c == arrowColor_) return;
    arrowColor_ = c;
    Invalidate();
}

void TXPCustomScrollBar::SetBorderColor(TColor c) {
    if (c == borderColor_) return;
    borderColor_ = c;
    Invalidate();
}

void TXPCustomScrollBar::SetKind(TScrollBarKind k) {
    kind_ = k;
    Recompute();
    Invalidate();
}

void TXPCustomScrollBar::SetButtonWidth(int v) {
    values_.SetButtonWidth(v);
    Recompute();
    Invalidate();
}

void TXPCustomScrollBar::SetScrollerWidth(int v) {
    values_.SetScrollerWidth(v);
    Recompute();
    Invalidate();
}

void TXPCustomScrollBar::SetMax(int v) {
    if (!values_.SetMax(v)) return;
    Recompute();
    Invalidate();
}

void TXPCustomScrollBar::SetMin(int v) {
    if (!values_.SetMin(v)) return;
    Recompute();
    Invalidate();
}

void TXPCustomScrollBar::SetPosition(int v) {
    if (!values_.SetPosition(v, Enabled())) return;
    int pos = values_.Position();
    if (OnScroll) OnScroll(this, scPosition, pos);
    Recompute();
    // The track covers both track parts and the thumb, old place and new.
    const TBox t = layout_.Track();
    InvalidateArea(ToRect(t));
    if (OnChange) OnChange(this);
}

void TXPCustomScrollBar::SetEnabled(bool v) {
    if (v == Enabled()) return;
    SetPosition(0);
    TCustomControl::SetEnabled(v);
    if (!v) EndPress();
    Recompute();
    Invalidate();
}

void TXPCustomScrollBar::Recompute() { layout_ = LayoutScrollBar(kind_, Width(), Height(), values_); }

void TXPCustomScrollBar::Resize() {
    Recompute();
    Invalidate();
    TCustomControl::Resize();
}

// --- Painting ---

void TXPCustomScrollBar::RepaintArea(TXPScrollbarArea area) {
    if (area == saNone) return;
    TBox b = area == saTrackUp ? layout_.TrackUpPaintBox(Enabled()) : layout_.Area(area);
    InvalidateArea(ToRect(b));
}

void TXPCustomScrollBar::Paint() {
    for (int a = 0; a < kScrollbarAreaCount; ++a) {
        bool cont = true;
        if (OnPaint) OnPaint(this, cont, static_cast<TXPScrollbarArea>(a));
        if (cont) PaintArea(Canvas(), static_cast<TXPScrollbarArea>(a));
    }
}

void TXPCustomScrollBar::PaintArea(TCanvas& c, TXPScrollbarArea area) {
    const bool vertical = kind_ == sbVertical;
    switch (area) {
        case saBtnArrowDown:
        case saBtnArrowUp: {
            const TBox& b = layout_.Area(area);
            Fill(c, b, Color());
            Frame(c, b, borderColor_);
            const TScrollArrow& arrow = layout_.Arrows[area == saBtnArrowDown ? 0 : 1];
            for (int k = 0; k < arrow.Depth; ++k) Fill(c, arrow.Row(k), arrowColor_);
            break;
        }
        case saTrackDown:
        case saTrackUp: {
            const TBox b = area == saTrackUp ? layout_.TrackUpPaintBox(Enabled()) : layout_.Area(area);
            if (b.IsEmpty()) break;
            Fill(c, b, Color());
            if (vertical) {
                Fill(c, TBox{b.Left, b.Top, b.Left + 1, b.Bottom}, borderColor_);
                Fill(c, TBox{b.Right - 1, b.Top, b.Right, b.Bottom}, borderColor_);
            } else {
                Fill(c, TBox{b.Left, b.Top, b.Right, b.Top + 1}, borderColor_);
                Fill(c, TBox{b.Left, b.Bottom - 1, b.Right, b.Bottom}, borderColor_);
            }
            break;
        }
        case saScroller: {
            // A disabled bar shows no thumb: saTrackUp covers its place.
            if (!layout_.ScrollerFits || !Enabled()) break;
            const TBox& b = layout_.Area(saScroller);
            Fill(c, b, Color());
            Frame(c, b, borderColor_);
            TGripLines grips = ThumbGrips(layout_);
            for (int i = 0; i < grips.Count; ++i) Fill(c, grips.Lines[i], barColor_);
            break;
        }
        default:
            break;
    }
}

// --- Mouse ---

void TXPCustomScrollBar::MouseDown(TMouseButton b, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(b, shift, x, y);
    if (b != TMouseButton::mbLeft) return;
    mouseIsDown_ = true;
    lastPoint_ = TPoint{x, y};
    mouseDownAt_ = layout_.HitTest(x, y);
    if (mouseDownAt_ == saScroller) {
        dragging_ = true;
        grabOffset_ = layout_.Along(x, y) - layout_.Along(layout_.Area(saScroller).Left, layout_.Area(saScroller).Top);
    } else if (mouseDownAt_ != saNone) {
        // The first step comes with the first tick.
        timer_->SetEnabled(true);
    }
    RepaintArea(mouseDownAt_);
}

void TXPCustomScrollBar::MouseMove(TShiftState shift, int x, int y) {
    lastPoint_ = TPoint{x, y};
    if (dragging_)
        SetPosition(DragPosition(layout_, values_.ScrollerWidth(), values_.Max(), layout_.Along(x, y),
                                 grabOffset_, values_.Position()));
    TCustomControl::MouseMove(shift, x, y);
}

void TXPCustomScrollBar::MouseUp(TMouseButton b, TShiftState shift, int x, int y) {
    if (b == TMouseButton::mbLeft) {
        EndPress();
        Invalidate();
    }
    TCustomControl::MouseUp(b, shift, x, y);
}

void TXPCustomScrollBar::EndPress() {
    mouseIsDown_ = false;
    mouseDownAt_ = saNone;
    dragging_ = false;
    timer_->SetEnabled(false);
}

void TXPCustomScrollBar::RepeatTick() {
    const TXPScrollbarArea area = mouseDownAt_;
    if (area == saNone || area == saScroller || !layout_.Area(area).Contains(lastPoint_.X, lastPoint_.Y)) {
        timer_->SetEnabled(false);
        return;
    }
    SetPosition(values_.RepeatStep(area));
}

void TXPCustomScrollBar::MouseEnter() {
    Invalidate();
    TCustomControl::MouseEnter();
}

void TXPCustomScrollBar::MouseLeave() {
    Invalidate();
    TCustomControl::MouseLeave();
    // The pointer is nowhere over the bar: a running repeat stops at its next
    // tick. A thumb being dragged stays where the last real move put it.
    lastPoint_ = TPoint{-1, -1};
    TCustomControl::MouseMove(0, -1, -1);
}

LRESULT TXPCustomScrollBar::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CAPTURECHANGED && mouseIsDown_ && reinterpret_cast<HWND>(lParam) != Handle()) {
        EndPress();
        Invalidate();
    }
    return TCustomControl::WndProc(msg, wParam, lParam);
}

}  // namespace vd
