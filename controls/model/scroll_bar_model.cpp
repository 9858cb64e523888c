#include "controls/model/scroll_bar_model.h"

#include <algorithm>

namespace vd {

int64_t RoundHalfEven(int64_t num, int64_t den) {
    int64_t q = num / den, r = num % den;
    if (r < 0) {  // floor division
        --q;
        r += den;
    }
    if (2 * r > den || (2 * r == den && (q & 1))) ++q;
    return q;
}

// --- Values ---

bool TScrollBarValues::SetPosition(int v, bool enabled) {
    if (!enabled) return false;
    v = std::max(min_, std::min(v, max_));
    if (v == position_) return false;
    position_ = v;
    return true;
}

bool TScrollBarValues::SetMax(int v) {
    if (v == max_ || v < 0 || v < min_) return false;
    max_ = v;
    if (position_ > v) position_ = v;
    return true;
}

bool TScrollBarValues::SetMin(int v) {
    if (v == min_ || v < 0 || v > max_) return false;
    min_ = v;
    return true;
}

bool TScrollBarValues::SetLargeChange(int v) {
    if (v <= 0 || v < smallChange_ || v == largeChange_) return false;
    largeChange_ = v;
    return true;
}

bool TScrollBarValues::SetSmallChange(int v) {
    if (v <= 0 || v >= largeChange_ || v == smallChange_) return false;
    smallChange_ = v;
    return true;
}

bool TScrollBarValues::SetButtonWidth(int v) {
    if (v == buttonWidth_) return false;
    buttonWidth_ = v;
    return true;
}

bool TScrollBarValues::SetScrollerWidth(int v) {
    v = std::max(v, 3);
    if (v == scrollerWidth_) return false;
    scrollerWidth_ = v;
    return true;
}

int TScrollBarValues::RepeatStep(TXPScrollbarArea area) const {
    switch (area) {
        case saBtnArrowDown: return std::max(position_ - smallChange_, min_);
        case saBtnArrowUp: return std::min(position_ + smallChange_, max_);
        case saTrackDown: return position_ - largeChange_;
        case saTrackUp: return position_ + largeChange_;
        default: return position_;
    }
}

// --- Geometry ---

int EffectiveButtonLength(int buttonWidth, int barLength) {
    if (buttonWidth < 0) return 0;
    return std::min(buttonWidth, std::max(barLength, 0) / 2);
}

int ArrowBase(int side) {
    int b = side / 2 - 1;
    if (b % 2 == 0) --b;
    return b < 1 ? 0 : b;
}

int ArrowDepth(int base) { return base < 1 ? 0 : base / 2 + 1; }

TBox TScrollArrow::Row(int k) const {
    // Distance of row k from the tip's edge of the box, and its half width.
    int along = TowardStart ? k : Depth - 1 - k;
    int centre = Vertical ? Bounds.Left + Base / 2 : Bounds.Top + Base / 2;
    if (Vertical) return TBox{centre - k, Bounds.Top + along, centre + k + 1, Bounds.Top + along + 1};
    return TBox{Bounds.Left + along, centre - k, Bounds.Left + along + 1, centre + k + 1};
}

namespace {

// A box from positions along the bar and across it.
TBox Span(TScrollBarKind kind, int from, int to, int thickness) {
    return kind == sbVertical ? TBox{0, from, thickness, to} : TBox{from, 0, to, thickness};
}

TScrollArrow ArrowIn(const TBox& button, bool vertical, bool towardStart) {
    TScrollArrow a;
    a.Vertical = vertical;
    a.TowardStart = towardStart;
    int across = vertical ? button.Width() : button.Height();
    int along = vertical ? button.Height() : button.Width();
    a.Base = ArrowBase(std::min(across, along));
    a.Depth = ArrowDepth(a.Base);
    int w = vertical ? a.Base : a.Depth, h = vertical ? a.Depth : a.Base;
    a.Bounds = BoxOf(button.Left + (button.Width() - w) / 2, button.Top + (button.Height() - h) / 2, w, h);
    return a;
}

}  // namespace

int ThumbOffset(int trackLength, int scrollerWidth, int position, int max) {
    if (max < 1) return 0;
    return static_cast<int>(RoundHalfEven(static_cast<int64_t>(trackLength - scrollerWidth) * position, max));
}

TScrollBarLayout LayoutScrollBar(TScrollBarKind kind, int width, int height, const TScrollBarValues& v) {
    TScrollBarLayout l;
    l.Kind = kind;
    const bool vertical = kind == sbVertical;
    const int length = std::max(vertical ? height : width, 0);
    const int thickness = std::max(vertical ? width : height, 0);
    l.Length = length;
    l.ButtonLength = EffectiveButtonLength(v.ButtonWidth(), length);
    const int b = l.ButtonLength;
    l.TrackLength = length - 2 * b;
    l.ScrollerFits = v.ScrollerWidth() < l.TrackLength;
    int thumbStart = b, thumbEnd = b;
    if (l.ScrollerFits) {
        thumbStart = b + ThumbOffset(l.TrackLength, v.ScrollerWidth(), v.Position(), v.Max());
        thumbEnd = thumbStart + v.ScrollerWidth();
    }
    l.Areas[saBtnArrowDown] = Span(kind, 0, b, thickness);
    l.Areas[saBtnArrowUp] = Span(kind, length - b, length, thickness);
    l.Areas[saTrackDown] = Span(kind, b, thumbStart, thickness);
    l.Areas[saTrackUp] = Span(kind, thumbEnd, length - b, thickness);
    l.Areas[saScroller] = Span(kind, thumbStart, thumbEnd, thickness);
    l.Arrows[0] = ArrowIn(l.Areas[saBtnArrowDown], vertical, true);
    l.Arrows[1] = ArrowIn(l.Areas[saBtnArrowUp], vertical, false);
    return l;
}

TXPScrollbarArea TScrollBarLayout::HitTest(int x, int y) const {
    for (int a = 0; a < kScrollbarAreaCount; ++a)
        if (Areas[a].Contains(x, y)) return static_cast<TXPScrollbarArea>(a);
    return saNone;
}

TBox TScrollBarLayout::TrackUpPaintBox(bool enabled) const {
    TBox r = Areas[saTrackUp];
    if (enabled || !ScrollerFits) return r;
    if (Kind == sbVertical)
        r.Top = Areas[saScroller].Top;
    else
        r.Left = Areas[saScroller].Left;
    return r;
}

TBox TScrollBarLayout::Track() const {
    TBox first = Areas[saBtnArrowDown], second = Areas[saBtnArrowUp];
    if (Kind == sbVertical) return TBox{first.Left, first.Bottom, first.Right, second.Top};
    return TBox{first.Right, first.Top, second.Left, first.Bottom};
}

int DragPosition(const TScrollBarLayout& l, int scrollerWidth, int max, int along, int grabOffset, int fallback) {
    const int room = l.Length - 2 * l.ButtonLength - scrollerWidth;
    if (room <= 0) return fallback;
    return static_cast<int>(
        RoundHalfEven(static_cast<int64_t>(max) * (along - l.ButtonLength - grabOffset), room));
}

TGripLines ThumbGrips(const TScrollBarLayout& l) {
    TGripLines g;
    const TBox& t = l.Areas[saScroller];
    if (!l.ScrollerFits) return g;
    if (l.Kind == sbVertical) {
        if (t.Height() <= 7) return g;
        int y = t.Top + (t.Height() - 7) / 2;
        for (int i = 0; i < 4; ++i) g.Lines[i] = TBox{t.Left + 4, y + 2 * i, t.Right - 4, y + 2 * i + 1};
    } else {
        if (t.Width() < 8) return g;
        int x = t.Left + (t.Width() - 7) / 2;
        for (int i = 0; i < 4; ++i) g.Lines[i] = TBox{x + 2 * i, t.Top + 4, x + 2 * i + 1, t.Bottom - 4};
    }
    g.Count = 4;
    return g;
}

}  // namespace vd
